#pragma once

#include <QDate>
#include <QDialog>
#include <QModelIndex>

#include <memory>

class QCompleter;
class ListModel;

namespace Ui {
class DialogRendezVous;
}

// One patient's appointments, newest first, with a text filter; new and changed appointments go through the
// booking dialog, a deletion happens in place.
class DialogRendezVous : public QDialog {
    Q_OBJECT

public:
    DialogRendezVous(int patientNum, int userRole, int userId, QWidget* parent = nullptr);
    ~DialogRendezVous() override;

    int userId;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_lineEdit_textChanged(const QString& text);
    void on_lineEdit_returnPressed();
    void on_btnNewRV_clicked();
    void on_btnModifierRV_clicked();
    void on_tableView_activated(const QModelIndex& index);
    void on_tableView_clicked(const QModelIndex& index);
    void on_tableView_entered(const QModelIndex& index);
    void on_pushButton_clicked();
    void on_pushButton_3_clicked();

private:
    // Handlers shared with the booking form's names; this window has neither that button nor a calendar, so
    // they are not bound to any widget.
    void on_pushButton_2_clicked();
    void on_calendarWidget_activated(const QDate& date);
    void on_calendarWidget_selectionChanged();

    void showPatient();
    void refreshList();
    void changeAppointment(const QModelIndex& index);

    std::unique_ptr<Ui::DialogRendezVous> ui;
    int patientNum = 0;
    ListModel* model = nullptr;
    QCompleter* treatmentCompleter = nullptr;
};
