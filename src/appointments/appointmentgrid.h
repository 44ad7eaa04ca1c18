#pragma once

#include "appointments/gridlayout.h"
#include "appointments/gridsettings.h"

#include <QDate>
#include <QDialog>
#include <QVariant>

#include <functional>

class GridCanvas;
class QCheckBox;
class QDateEdit;
class QLabel;
class QPrinter;
class QPushButton;
class QTimer;

// The day grid: the appointments of a day, or of the five working days of its week, in time slots with one
// column per doctor. The reception books a free slot by a double click, opens an appointment, drags it to
// another slot or doctor, and marks its state. What other workstations change shows within a few seconds.
class AppointmentGrid : public QDialog {
    Q_OBJECT

public:
    // How often the grid looks for changes made on other workstations.
    static constexpr int changeCheckMs = 5000;

    AppointmentGrid(int userId, QWidget* parent = nullptr);
    ~AppointmentGrid() override;

    void showDay(const QDate& day);
    QDate day() const;
    void setWeek(bool week);
    GridCanvas* canvas() const { return grid; }

    // The patient a free slot is booked for; by default the patient search, 0 when nothing was chosen.
    std::function<int()> choosePatient;

    // Draws the grid on A4 landscape, with the day as title.
    void printTo(QPrinter* printer) const;

public slots:
    // Reads the days again when another workstation may have changed them; true when the grid changed.
    bool checkForChanges();
    void reload();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QVector<QDate> shownDays() const;
    void retranslate();
    void showCurrent();
    void open(int column, int slot, int rvNum);
    void move(int rvNum, int column, int slot);
    void mark(const QString& statement);
    void print();
    const appointmentday::Appointment* appointment(int rvNum) const;

    int userId;
    gridsettings::Values settings;
    QDateEdit* dateEdit = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* todayButton = nullptr;
    QCheckBox* weekBox = nullptr;
    QPushButton* printButton = nullptr;
    GridCanvas* grid = nullptr;
    QLabel* shownLabel = nullptr;
    QLabel* markLabel = nullptr;
    QPushButton* waitingButton = nullptr;
    QPushButton* presentButton = nullptr;
    QPushButton* absentButton = nullptr;
    QPushButton* closeButton = nullptr;
    QTimer* changeTimer = nullptr;
    QVariant lastMark;
    QVector<QDate> loadedDays;
};
