#pragma once

#include "data/loadedrow.h"

#include <QDialog>

#include <memory>

class MyComboBox;
class QCompleter;
class ListModel;

namespace Ui {
class DialogAddUpdatePatient;
}

// Creates (patient number 0) or edits one patient, and shows what the patient still owes.
class DialogAddUpdatePatient : public QDialog {
    Q_OBJECT
public:
    DialogAddUpdatePatient(int patientNum, int userId, const QString& roleName, QWidget* parent = nullptr);
    ~DialogAddUpdatePatient() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_validerInfoBtn_clicked();
    void on_annulerInfoBtn_clicked();
    void on_nDossierLineEdit_returnPressed();
    void on_nomLineEdit_returnPressed();
    void on_ageSpinBox_editingFinished();
    void on_telLineEdit_returnPressed();
    void on_adresseLineEdit_returnPressed();
    void on_antecDentsGNRauxLineEdit_returnPressed();
    void on_antecDentsLocauxLineEdit_returnPressed();
    void on_autresLineEdit_returnPressed();
    void on_ageSpinBox_valueChanged(int age);
    void on_annEDeNaissanceSpinBox_valueChanged(int year);

private:
    void bindFields();
    void loadPatient();
    void fillDebt();
    void rebuildWordLists();

    std::unique_ptr<Ui::DialogAddUpdatePatient> ui;
    int patientNum = 0;
    int userId = 0;

    // The stored patient the form was filled from; a save writes only over it.
    LoadedRow stored;

    MyComboBox* sexeComboBox = nullptr;
    ListModel* patientsModel = nullptr;
    QCompleter* nomCompleter = nullptr;
    QCompleter* adresseCompleter = nullptr;
};
