#pragma once

#include "data/loadedrow.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QTime>

#include <memory>

class QCompleter;
class ListModel;
class MyComboBox;

namespace Ui {
class DialogPatientRV;
}

// Takes a new appointment for a patient (rvNum 0) or changes an existing one: the treatment, the day on the
// calendar and the time. The day's count and list are there for information only; nothing limits a day.
class DialogPatientRV : public QDialog {
    Q_OBJECT

public:
    DialogPatientRV(int userId, int patientNum, int rvNum, QWidget* parent = nullptr);
    ~DialogPatientRV() override;

    int userId;
    int patientNum;
    int rvNum;

    // Chooses the dentist the appointment is with, by his user name (letter case aside); false, and the
    // choice unchanged, when no dentist bears that name.
    bool presetDoctor(const QString& name);
    // Puts a new appointment on this day and time, as the day grid chose them.
    void presetWhen(const QDateTime& when);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_2_clicked();
    void on_calendarWidget_activated(const QDate& date);
    void on_calendarWidget_selectionChanged();
    void on_lineEdit_returnPressed();
    void on_lineEdit_textChanged(const QString& text);
    void on_timeEdit_timeChanged(const QTime& time);
    void on_timeEdit_editingFinished();
    void on_btnViewRV_clicked();
    void on_annulerInfoBtn_clicked();

private:
    // The combo box of times is kept hidden; choosing in it does nothing. Connected by hand: the toolkit's
    // combo box no longer has an activated(QString) signal to bind by name.
    void on_comboBoxTime_activated(const QString& text);
    void on_cmb_activated(const QString& text);

    void makeDoctorList(const QString& userName);
    void showTitle();
    void countDay();
    void showDayInTab();
    void saveSettings();

    std::unique_ptr<Ui::DialogPatientRV> ui;
    MyComboBox* doctorBox = nullptr; // the dentists of the user table
    QDate selectedDate;
    QTime m_timeRV;
    bool m_hidden = false;
    // The stored appointment the dialog was filled from; a save writes only over it.
    LoadedRow stored;
    ListModel* dayModel = nullptr;
    QCompleter* treatmentCompleter = nullptr;
};
