#pragma once

#include "data/role.h"

#include <QDialog>

#include <memory>

class QModelIndex;
class ListModel;

namespace Ui {
class DialogFindPatient;
}

// Searches the patient register; activating a row picks that patient. Creates, edits and deletes patients too.
class DialogFindPatient : public QDialog {
    Q_OBJECT
public:
    explicit DialogFindPatient(int userId, QWidget* parent = nullptr);
    ~DialogFindPatient() override;

    int selectedPatientNum() const { return m_selectedPatientNum; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_patientlineEdit_textChanged(const QString& text);
    void on_patientlineEdit_returnPressed();
    void on_tableViewPatient_activated(const QModelIndex& index);
    void on_newPatientBtn_clicked();
    void on_setPatientBtn_clicked();
    void on_delPatientBtn_clicked();
    void on_pushButtonClose_clicked();

private:
    void on_selectionChanged(const QModelIndex& current, const QModelIndex& previous);
    void refreshAfterForm();
    void resizeColumns();
    int currentPatientNum() const;
    QString formRoleName() const;

    std::unique_ptr<Ui::DialogFindPatient> ui;
    int m_selectedPatientNum = 0;
    Role role;
    int userId = 0;
    ListModel* patientsModel = nullptr;
};
