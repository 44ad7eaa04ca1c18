#include "dialogaddupdatepatient.h"
#include "ui_dialogaddupdatepatient.h"

#include "app/windowgeometry.h"
#include "data/role.h"
#include "data/sql.h"
#include "widgets/completer.h"
#include "widgets/fieldfocus.h"
#include "widgets/look.h"
#include "widgets/mycombobox.h"
#include "widgets/savefailure.h"
#include "widgets/wordlist.h"

#include "data/listmodel.h"
#include <QCloseEvent>
#include <QCompleter>
#include <QDate>
#include <QDebug>
#include <QFile>
#include <QMessageBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringListModel>
#include <QTextStream>

#include <memory>

namespace {
const QString namesFile = QStringLiteral("resources/noms.txt");
const QString addressesFile = QStringLiteral("resources/adresse.txt");

int currentYear() {
    return QDate::currentDate().year();
}
} // namespace

DialogAddUpdatePatient::DialogAddUpdatePatient(int patient, int user, const QString& roleName, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogAddUpdatePatient>()), patientNum(patient), userId(user) {
    ui->setupUi(this);

    sexeComboBox = new MyComboBox(this);
    sexeComboBox->setObjectName(QStringLiteral("sexeComboBox"));
    sexeComboBox->addItem(QStringLiteral("M"));
    sexeComboBox->addItem(QStringLiteral("F"));
    sexeComboBox->setMinimumWidth(100);
    QFont sexeFont(QString::fromLatin1(look::fontFamily), 14);
    sexeFont.setBold(true);
    sexeComboBox->setFont(sexeFont);
    sexeComboBox->setStyleSheet(QStringLiteral("color : rgb(0,0,255);"));
    ui->horizontalLayoutSexe->insertWidget(0, sexeComboBox);

    setTabOrder(ui->nDossierLineEdit, ui->nomLineEdit);
    setTabOrder(ui->nomLineEdit, ui->ageSpinBox);
    setTabOrder(ui->ageSpinBox, ui->annEDeNaissanceSpinBox);
    setTabOrder(ui->annEDeNaissanceSpinBox, sexeComboBox);
    setTabOrder(sexeComboBox, ui->telLineEdit);
    setTabOrder(ui->telLineEdit, ui->adresseLineEdit);
    setTabOrder(ui->adresseLineEdit, ui->antecDentsGNRauxLineEdit);
    setTabOrder(ui->antecDentsGNRauxLineEdit, ui->antecDentsLocauxLineEdit);
    setTabOrder(ui->antecDentsLocauxLineEdit, ui->autresLineEdit);
    setTabOrder(ui->autresLineEdit, ui->validerInfoBtn);
    setTabOrder(ui->validerInfoBtn, ui->annulerInfoBtn);

    for (const auto& [table, field] : {std::pair{QStringLiteral("AntecedentsG"), ui->antecDentsGNRauxLineEdit},
                                       std::pair{QStringLiteral("AntecedentsL"), ui->antecDentsLocauxLineEdit}}) {
        auto* model = new ListModel(this);
        model->setTable(table);
        model->setSort(0, Qt::AscendingOrder);
        model->select();
        field->setCompleter(makeCompleter(model, 2, this));
    }

    patientsModel = new ListModel(this);
    patientsModel->setTable(QStringLiteral("patients"));

    bindFields();
    if (patientNum != 0)
        loadPatient();
    else
        setWindowTitle(tr("Nouveau patient "));

    ui->nomLineEdit->setFocus();
    fillDebt();

    // The completer reads every patient's name: on a large office that takes longer than the whole form, so
    // the register is read when the user starts typing a name, not when the form opens.
    nomCompleter = makeCompleter(nullptr, 1, this);
    ui->nomLineEdit->setCompleter(nomCompleter);
    auto firstEdit = std::make_shared<QMetaObject::Connection>();
    *firstEdit = connect(ui->nomLineEdit, &QLineEdit::textEdited, this, [this, firstEdit] {
        disconnect(*firstEdit);
        patientsModel->select();
        nomCompleter->setModel(patientsModel);
        nomCompleter->setCompletionColumn(1);
        nomCompleter->setCompletionPrefix(ui->nomLineEdit->text());
        nomCompleter->complete();
    });
    adresseCompleter = makeCompleter(loadWordList(this, addressesFile, this), 0, this);
    ui->adresseLineEdit->setCompleter(adresseCompleter);

    restoreWindowGeometry(this);

    if (patientNum != 0)
        ui->nDossierLineEdit->setStyleSheet(QStringLiteral("color: rgb(85, 85, 255); background-color: white; ") +
                                            look::fontRule(16) + QStringLiteral(" font-weight: bold;"));

    // The reception sees neither the medical history nor the debt.
    if (roleName == QLatin1String(Role::receptionName)) {
        ui->antecDentsGNRauxLabel->hide();
        ui->antecDentsGNRauxLineEdit->hide();
        ui->antecDentsLocauxLabel->hide();
        ui->antecDentsLocauxLineEdit->hide();
        ui->groupBox->hide();
    }
}

DialogAddUpdatePatient::~DialogAddUpdatePatient() = default;

// The form's fields and the patient columns they show.
void DialogAddUpdatePatient::bindFields() {
    const auto text = [this](const QString& column, QLineEdit* field, const QLabel* label) {
        stored.addField(
            column, [field] { return QVariant(field->text()); },
            [field](const QVariant& value) { field->setText(value.toString()); }, savefailure::labelOf(label));
    };
    text(QStringLiteral("Nom"), ui->nomLineEdit, ui->nomLabel);
    // The year of birth comes after the age and so decides the age shown.
    stored.addField(
        QStringLiteral("Age"), [this] { return QVariant(ui->ageSpinBox->value()); },
        [this](const QVariant& value) { ui->ageSpinBox->setValue(value.toInt()); }, savefailure::labelOf(ui->geLabel));
    stored.addField(
        QStringLiteral("Annee"), [this] { return QVariant(ui->annEDeNaissanceSpinBox->value()); },
        [this](const QVariant& value) { ui->annEDeNaissanceSpinBox->setValue(value.toInt()); },
        savefailure::labelOf(ui->annEDeNaissanceLabel));
    stored.addField(
        QStringLiteral("Sexe"), [this] { return QVariant(sexeComboBox->currentText()); },
        [this](const QVariant& value) {
            sexeComboBox->setCurrentIndex(
                sexeComboBox->findText(value.toString(), Qt::MatchExactly | Qt::MatchCaseSensitive));
        },
        savefailure::labelOf(ui->sexeLabel_2));
    text(QStringLiteral("Tel"), ui->telLineEdit, ui->telLabel);
    text(QStringLiteral("Adresse"), ui->adresseLineEdit, ui->adresseLabel);
    text(QStringLiteral("Antecedent_G"), ui->antecDentsGNRauxLineEdit, ui->antecDentsGNRauxLabel);
    text(QStringLiteral("Antecedent_L"), ui->antecDentsLocauxLineEdit, ui->antecDentsLocauxLabel);
    text(QStringLiteral("Autres"), ui->autresLineEdit, ui->autresLabel);
}

void DialogAddUpdatePatient::loadPatient() {
    // With no stored row the form stays empty and no sex is chosen.
    sexeComboBox->setCurrentIndex(-1);
    QSqlQuery patient;
    patient.setForwardOnly(true);
    if (!sql::exec(patient, "select * from patients where num = " + QString::number(patientNum)) || !patient.next())
        return;
    ui->nDossierLineEdit->setText(patient.value("Num").toString());
    stored.load(patient.record());
}

void DialogAddUpdatePatient::fillDebt() {
    // A doctor other than the first sees only the acts he performed.
    const QString doctorFilter =
        Role::ofUser(userId).seesEveryDoctorsAmounts() ? QString() : " and  User.id = " + QString::number(userId);
    const struct {
        const char* type;
        QLabel* fees;
        QLabel* payments;
        QLabel* balance;
    } panels[] = {{"SOINS", ui->labelDay, ui->labelDayPayement, ui->labelDayResre},
                  {"PROTHESE", ui->labelDayP, ui->labelDayPayementP, ui->labelDayResreP}};
    for (const auto& panel : panels) {
        const QString statement =
            QStringLiteral(" SELECT Patients.Num, Patients.Nom, Sum(Traitements.Frais) AS SommeDeFrais, "
                           "Sum(Traitements.Payement) AS SommeDePayement, "
                           "Sum([Traitements]![Frais]-[Traitements]![Payement]) AS Reste, User.id, User.Name  FROM  "
                           "(Patients INNER JOIN Visites ON Patients.Num = Visites.PatientNum) INNER JOIN ([User] "
                           "INNER JOIN Traitements ON User.id = Traitements.Medcin_id) ON Visites.VisiteNum = "
                           "Traitements.visite_id  where  (  Patients.Num = ") +
            QString::number(patientNum) + doctorFilter + " and " + "   Visites.Type ='" + panel.type + "' )" +
            "   GROUP BY Patients.Num,Patients.Nom , User.id, User.Name;  ";
        int fees = 0;
        int payments = 0;
        int balance = 0;
        QSqlQuery query;
        if (sql::exec(query, statement)) {
            while (query.next()) {
                fees += query.value("SommeDeFrais").toInt();
                payments += query.value("SommeDePayement").toInt();
                balance += query.value("Reste").toInt();
            }
        }
        panel.fees->setText(QString::number(fees));
        panel.payments->setText(QString::number(payments));
        panel.balance->setText(QString::number(balance));
    }
}

void DialogAddUpdatePatient::on_validerInfoBtn_clicked() {
    const QString nom = sql::quoted(ui->nomLineEdit->text());
    const QString tel = sql::quoted(ui->telLineEdit->text());
    const QString adresse = sql::quoted(ui->adresseLineEdit->text());
    const QString antecedentG = sql::quoted(ui->antecDentsGNRauxLineEdit->text());
    const QString antecedentL = sql::quoted(ui->antecDentsLocauxLineEdit->text());
    const QString autres = sql::quoted(ui->autresLineEdit->text());
    const QString sexe = sql::quoted(sexeComboBox->currentText());
    const QString age = QString::number(ui->ageSpinBox->value());
    const QString annee = QString::number(ui->annEDeNaissanceSpinBox->value());

    sql::Outcome outcome;
    if (patientNum != 0) {
        const QString statement = " update patients  set  nom = '" + nom + "' , " + " Age = " + age + " , " +
                                  " Sexe = '" + sexe + "' , " + " Adresse = '" + adresse + "' , " +
                                  " Antecedent_G = '" + antecedentG + "' , " + " Antecedent_L = '" + antecedentL +
                                  "' , " + " tel = '" + tel + "' , " + " Annee = " + annee + " , " + " Autres = '" +
                                  autres + "'  " + " where  num = " + QString::number(patientNum);
        outcome = sql::writeIfUnchanged(statement, stored.record());
    } else {
        outcome = sql::write("insert into patients ( nom, Age, Sexe, Adresse, Antecedent_G, Antecedent_L, Tel, "
                             "Annee, Autres) values ('" +
                             nom + "' , " + age + " , '" + sexe + "' , '" + adresse + "' , '" + antecedentG + "' , '" +
                             antecedentL + "' , '" + tel + "' , " + annee + " , '" + autres + "'  )");
    }
    // Nothing written: the user keeps what he typed and may try again.
    if (outcome == sql::Outcome::Changed) {
        savefailure::reportChanged(this, stored, QStringLiteral("patients"), QStringLiteral("Num"), patientNum,
                                   tr("Un autre poste a supprimé ce patient : il ne peut plus être enregistré."));
        return;
    }
    if (!savefailure::report(this, outcome))
        return;
    rebuildWordLists();
    accept();
}

void DialogAddUpdatePatient::rebuildWordLists() {
    QSqlQuery names;
    sql::exec(names, QStringLiteral("select * from patients"));
    QFile namesOut(namesFile);
    if (!namesOut.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    {
        QTextStream out(&namesOut);
        while (names.next())
            out << names.value(1).toString() << '\n';
    }
    namesOut.close();
    nomCompleter->setModel(loadWordList(this, namesFile, this));
    nomCompleter->setCompletionColumn(0);

    QSqlQuery addresses;
    sql::exec(addresses, QStringLiteral("select * from patients"));
    QFile addressesOut(addressesFile);
    if (!addressesOut.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    {
        QTextStream out(&addressesOut);
        while (addresses.next())
            out << addresses.value("Adresse").toString() << '\n';
    }
    addressesOut.close();
    adresseCompleter->setModel(loadWordList(this, addressesFile, this));
}

void DialogAddUpdatePatient::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    if (patientNum == 0)
        setWindowTitle(tr("Nouveau patient "));
    fillDebt();
}

void DialogAddUpdatePatient::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(this);
    QDialog::closeEvent(event);
}

void DialogAddUpdatePatient::on_annulerInfoBtn_clicked() {
    close();
}

void DialogAddUpdatePatient::on_nDossierLineEdit_returnPressed() {
    focusAndSelect(ui->nomLineEdit);
}

void DialogAddUpdatePatient::on_nomLineEdit_returnPressed() {
    focusAndSelect(ui->ageSpinBox);
}

void DialogAddUpdatePatient::on_ageSpinBox_editingFinished() {
    // Only Return moves on: leaving the age by Tab or a click goes where the user meant (the year of birth).
    if (ui->ageSpinBox->hasFocus())
        sexeComboBox->setFocus();
}

void DialogAddUpdatePatient::on_telLineEdit_returnPressed() {
    focusAndSelect(ui->adresseLineEdit);
}

void DialogAddUpdatePatient::on_adresseLineEdit_returnPressed() {
    // The reception has no history rows: it goes on to the remarks.
    focusAndSelect(ui->antecDentsGNRauxLineEdit->isHidden() ? ui->autresLineEdit : ui->antecDentsGNRauxLineEdit);
}

void DialogAddUpdatePatient::on_antecDentsGNRauxLineEdit_returnPressed() {
    focusAndSelect(ui->antecDentsLocauxLineEdit);
}

void DialogAddUpdatePatient::on_antecDentsLocauxLineEdit_returnPressed() {
    focusAndSelect(ui->autresLineEdit);
}

void DialogAddUpdatePatient::on_autresLineEdit_returnPressed() {
    ui->validerInfoBtn->setFocus();
    ui->validerInfoBtn->click();
}

void DialogAddUpdatePatient::on_ageSpinBox_valueChanged(int age) {
    ui->annEDeNaissanceSpinBox->setValue(currentYear() - age);
}

void DialogAddUpdatePatient::on_annEDeNaissanceSpinBox_valueChanged(int year) {
    ui->ageSpinBox->setValue(currentYear() - year);
}
