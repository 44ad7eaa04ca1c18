#pragma once

#include "data/loadedrow.h"
#include "data/role.h"

#include "printing/prescriptiondata.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <memory>

class MySpinBox;
class QCompleter;
class ListModel;
class QTableView;
class TextEdit;

namespace Ui {
class DialogTraitement;
}

// One act of a visit: its date, act, fee and payment with the balance, treating doctor, radiograph and
// prescription. A treatment identifier of 0 records a new act of the visit.
class DialogTraitement : public QDialog {
    Q_OBJECT

public:
    DialogTraitement(int userId, int patientNum, int visitNum, int treatmentId, QWidget* parent = nullptr);
    ~DialogTraitement() override;

    // What the prescription page prints: the patient, the text, the doctor and the act's date.
    PrescriptionData prescription() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_dateTimeEdit_editingFinished();
    void on_traitementLineEdit_returnPressed();
    void on_zeroCreditVisiteBtn_clicked();
    void on_tabWidget_currentChanged(int index);
    void on_pushBtnAddRadio_clicked();
    void on_pushButtonSuppRadio_clicked();
    void on_pushButtonOptions_clicked();
    void on_pushButton_3_clicked();

private:
    // Connected by hand in the constructor: their senders are made after the form.
    void on_traitementLineEditCompleter_highlighted(const QString& text);
    void on_fraisSpin_returnPressed();
    void on_payementSpin_returnPressed();
    void on_fraisdoubleSpinBox_valueChanged(double value);
    void on_payementdoubleSpinBox_valueChanged(double value);

    void makeDoctorList();
    void makeFeeFields();
    void applyRole();
    void makeActCompleter();
    void loadTreatment();
    void showTreatingDoctor();
    void connectFeeFields();
    void makeMedicamentCompleter();
    MySpinBox* makeSpinBox(const QString& name);
    void showTitle();
    void showBalance();
    void showRadio();
    void bindFields();
    bool save();
    int listedFee(const QString& acte);
    static QString amountTip();

    std::unique_ptr<Ui::DialogTraitement> ui;
    int userId = 0;
    int patientNum = 0;
    int visitNum = 0;
    int treatmentId = 0;
    Role role;
    QString drNom;
    // The stored act the dialog was filled from; a save writes only over it.
    LoadedRow stored;
    QByteArray radioBytes;
    QString radioFormat = QStringLiteral("PNG");
    bool radioChanged = false;
    int m_user_id = 0;
    int m_medecin = 0;
    QString ordonnancePied;
    QString doctorAddress;
    int defaultFee = 0;
    // The act text defaultFee belongs to: Return after another text looks that act up.
    QString defaultFeeActe;

    ListModel* userModel = nullptr;
    ListModel* acteModel = nullptr;
    ListModel* medicamentModel = nullptr;
    QTableView* acteTableView = nullptr; // never shown: the print preview takes its font
    QCompleter* traitementLineEditCompleter = nullptr;
    QCompleter* medicamentCompleter = nullptr;
    TextEdit* ordonnanceTextEdit = nullptr;
    MySpinBox* fraisSpin = nullptr;
    MySpinBox* payementSpin = nullptr;
};
