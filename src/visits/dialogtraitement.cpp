#include "visits/dialogtraitement.h"
#include "app/windowgeometry.h"
#include "ui_dialogtraitement.h"

#include "config/dialog.h"
#include "data/records.h"
#include "data/sql.h"
#include "printing/tdpreviewdialog.h"
#include "widgets/completer.h"
#include "widgets/dateentry.h"
#include "widgets/fieldfocus.h"
#include "widgets/myspinbox.h"
#include "widgets/savefailure.h"
#include "widgets/shownlanguage.h"
#include "widgets/textedit.h"

#include "data/listmodel.h"
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCompleter>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QPrinter>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

namespace {
const QSize radioSize(200, 200);
} // namespace

DialogTraitement::DialogTraitement(int user, int patient, int visit, int treatment, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogTraitement>()), userId(user), patientNum(patient), visitNum(visit),
      treatmentId(treatment) {
    ui->setupUi(this);
    shownlanguage::applyLocale(this);
    DateEntry::enable(this);
    ui->pushButtonNoImage->hide();
    makeDoctorList();
    const QSqlRecord userRow = records::user(userId);
    drNom = userRow.value(QStringLiteral("DrNom")).toString();
    role = Role(userRow.value(QStringLiteral("Role")).toInt());
    // The role's rules reach the fee fields, so these are made first.
    makeFeeFields();
    applyRole();
    makeActCompleter();
    loadTreatment();
    showTreatingDoctor();
    ui->dateTimeEdit->setFocus(Qt::OtherFocusReason);
    connectFeeFields();
    makeMedicamentCompleter();
    restoreWindowGeometry(this);
}

void DialogTraitement::makeDoctorList() {
    userModel = new ListModel(this);
    userModel->setTable(QStringLiteral("User"));
    userModel->setSort(0, Qt::AscendingOrder);
    userModel->setFilter(QStringLiteral("name <> '' and role <=") + QString::number(Role::lastDoctor));
    ui->medcinTraitantComboBox->setModel(userModel);
    userModel->select();
    ui->medcinTraitantComboBox->setModelColumn(userModel->fieldIndex(QStringLiteral("Name")));
}

// The prescription editor, and the fee fields: the form's spin boxes give their look to the ones that
// announce Return.
void DialogTraitement::makeFeeFields() {
    ordonnanceTextEdit = new TextEdit(this);
    ordonnanceTextEdit->setObjectName(QStringLiteral("ordonnanceTextEdit"));
    ui->verticalLayout->insertWidget(0, ordonnanceTextEdit);
    fraisSpin = makeSpinBox(QStringLiteral("fraisSpin"));
    payementSpin = makeSpinBox(QStringLiteral("payementSpin"));
    ui->gridLayout_6->addWidget(fraisSpin, 0, 1);
    ui->gridLayout_6->addWidget(payementSpin, 1, 1);
    ui->fraisdoubleSpinBox->hide();
    ui->payementdoubleSpinBox->hide();
    ui->label_11->setBuddy(fraisSpin);
    ui->label_12->setBuddy(payementSpin);
    setTabOrder(ui->tabWidget, ui->pushButton);
    setTabOrder(ui->pushButton, ui->pushButton_2);
    setTabOrder(ui->pushButton_2, ui->medcinTraitantComboBox);
    setTabOrder(ui->medcinTraitantComboBox, ui->dateTimeEdit);
    setTabOrder(ui->traitementLineEdit, fraisSpin);
    setTabOrder(fraisSpin, payementSpin);
    setTabOrder(payementSpin, ui->zeroCreditVisiteBtn);
}

// Only the first doctor chooses the treating doctor; reception staff may record a payment and nothing else.
void DialogTraitement::applyRole() {
    ui->medcinTraitantComboBox->setEnabled(role.isFirstDoctor());
    if (role.isReception()) {
        ui->pushButtonOptions->setEnabled(false);
        ui->dateTimeEdit->setReadOnly(true);
        ui->traitementLineEdit->setReadOnly(true);
        fraisSpin->setReadOnly(true);
        ordonnanceTextEdit->setReadOnly(true);
        ui->groupBox_2->hide();
        ui->frame->hide();
    }
}

void DialogTraitement::makeActCompleter() {
    acteModel = new ListModel(this);
    acteModel->setTable(QStringLiteral("acte"));
    acteModel->setFilter(QStringLiteral(" acte <> ''"));
    acteModel->select();
    acteTableView = new QTableView(this);
    acteTableView->setModel(acteModel);
    acteTableView->hide();
    traitementLineEditCompleter = makeCompleter(acteModel, 2, this);
    ui->traitementLineEdit->setCompleter(traitementLineEditCompleter);
}

// The stored act in the fields, or a new act of the visit by the logged-in doctor, now.
void DialogTraitement::loadTreatment() {
    QSqlQuery row;
    row.setForwardOnly(true);
    const bool found =
        sql::exec(row, QStringLiteral("select * from Traitements where id = ") + QString::number(treatmentId)) &&
        row.next();
    if (treatmentId != 0) {
        showTitle();
        if (found) {
            bindFields();
            stored.load(row.record());
            defaultFee = static_cast<int>(fraisSpin->value());
            defaultFeeActe = ui->traitementLineEdit->text();
            showBalance();
        }
        showRadio();
    } else {
        showTitle();
        ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime());
        m_user_id = userId;
        showRadio();
    }
}

// The treating doctor's prescription footer, address and name, and his entry in the doctor list.
void DialogTraitement::showTreatingDoctor() {
    const QSqlRecord doctor = records::user(m_user_id);
    if (!doctor.isEmpty()) {
        ordonnancePied = doctor.value(QStringLiteral("OrdonnancePied")).toString();
        doctorAddress = doctor.value(QStringLiteral("Adresse")).toString();
        drNom = doctor.value(QStringLiteral("DrNom")).toString();
        ui->medcinTraitantComboBox->setCurrentIndex(ui->medcinTraitantComboBox->findText(
            doctor.value(QStringLiteral("Name")).toString(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    } else {
        ui->medcinTraitantComboBox->setCurrentIndex(-1);
    }
}

void DialogTraitement::connectFeeFields() {
    connect(fraisSpin, &MySpinBox::returnPressed, this, &DialogTraitement::on_fraisSpin_returnPressed);
    connect(payementSpin, &MySpinBox::returnPressed, this, &DialogTraitement::on_payementSpin_returnPressed);
    connect(fraisSpin, &QDoubleSpinBox::valueChanged, this, &DialogTraitement::on_fraisdoubleSpinBox_valueChanged);
    connect(payementSpin, &QDoubleSpinBox::valueChanged, this,
            &DialogTraitement::on_payementdoubleSpinBox_valueChanged);
    connect(traitementLineEditCompleter, qOverload<const QString&>(&QCompleter::highlighted), this,
            &DialogTraitement::on_traitementLineEditCompleter_highlighted);
}

void DialogTraitement::makeMedicamentCompleter() {
    medicamentModel = new ListModel(this);
    medicamentModel->setTable(QStringLiteral("Medicament"));
    medicamentModel->setFilter(QStringLiteral(" Médicament <> ''"));
    medicamentModel->select();
    medicamentCompleter = new QCompleter(medicamentModel, this);
    medicamentCompleter->setCompletionColumn(2);
    medicamentCompleter->setWrapAround(true);
    ordonnanceTextEdit->setWordCompleter(medicamentCompleter);
    ordonnanceTextEdit->setStyleSheet(ordonnanceTextEdit->styleSheet() + QStringLiteral(" color : blue ;"));
}

DialogTraitement::~DialogTraitement() = default;

MySpinBox* DialogTraitement::makeSpinBox(const QString& name) {
    auto* spin = new MySpinBox;
    spin->setObjectName(name);
    // Amounts are whole dinars: a decimal separator is refused as it is typed, never cut off at the save.
    spin->setDecimals(0);
    spin->setToolTip(amountTip());
    spin->setMinimum(0);
    spin->setMaximum(999999);
    spin->setSingleStep(50);
    spin->setSuffix(QStringLiteral(" DA"));
    spin->setMinimumSize(ui->fraisdoubleSpinBox->minimumSize());
    spin->setStyleSheet(ui->fraisdoubleSpinBox->styleSheet());
    spin->setFont(ui->fraisdoubleSpinBox->font());
    return spin;
}

void DialogTraitement::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(this);
    QDialog::closeEvent(event);
}

void DialogTraitement::showTitle() {
    if (treatmentId != 0)
        setWindowTitle(tr("Visite N ") + QString::number(visitNum) + tr(" /  Traitement N ") +
                       QString::number(treatmentId));
    else
        setWindowTitle(tr("Visite N° ") + QString::number(visitNum) + tr(" /  Nouveau Traitement "));
}

void DialogTraitement::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The balance is the program's: a new act shows none until an amount is typed.
        const QString balance = ui->resteVisiteLabel->text();
        ui->retranslateUi(this);
        ui->resteVisiteLabel->setText(balance);
        fraisSpin->setToolTip(amountTip());
        payementSpin->setToolTip(amountTip());
        showTitle();
    }
}

QString DialogTraitement::amountTip() {
    return tr("Montant en dinars entiers : chiffres seulement");
}

void DialogTraitement::showBalance() {
    ui->resteVisiteLabel->setText(QString::number(fraisSpin->value() - payementSpin->value(), 'g', 6));
}

void DialogTraitement::showRadio() {
    if (radioBytes.isEmpty()) {
        ui->pushButtonRadio->setIcon(ui->pushButtonNoImage->icon());
    } else {
        const QImage image = QImage::fromData(radioBytes, radioFormat.toLatin1().constData());
        QPixmap pixmap = QPixmap::fromImage(image);
        if (!pixmap.isNull())
            pixmap = pixmap.scaled(radioSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        ui->pushButtonRadio->setIcon(QIcon(pixmap));
    }
    ui->pushButtonRadio->setIconSize(radioSize);
}

void DialogTraitement::on_dateTimeEdit_editingFinished() {
    focusAndSelect(ui->traitementLineEdit);
}

void DialogTraitement::on_traitementLineEdit_returnPressed() {
    // An act typed out in full gives its fee as picking it from the list does; the Return that closes the
    // list leaves no highlight behind.
    const QString typed = ui->traitementLineEdit->text();
    if (typed != defaultFeeActe) {
        const int fee = listedFee(typed);
        if (fee >= 0)
            defaultFee = fee;
        defaultFeeActe = typed;
    }
    // The act's fee is selected: typing another one replaces it.
    fraisSpin->setValue(defaultFee);
    focusAndSelect(fraisSpin);
}

// The default fee of the listed act of that name, the exact spelling first; -1 for an act not in the list.
int DialogTraitement::listedFee(const QString& acte) {
    const int nameColumn = 2;
    int found = -1;
    while (acteModel->canFetchMore())
        acteModel->fetchMore();
    for (int row = 0; row < acteModel->rowCount(); ++row) {
        const QSqlRecord listed = acteModel->record(row);
        const QString name = listed.value(nameColumn).toString();
        if (name == acte)
            return listed.value(3).toInt();
        if (found < 0 && name.compare(acte, Qt::CaseInsensitive) == 0)
            found = listed.value(3).toInt();
    }
    return found;
}

// The act under the popup's highlight gives the fee that Return in the act field fills in.
void DialogTraitement::on_traitementLineEditCompleter_highlighted(const QString& text) {
    defaultFee = 0;
    defaultFeeActe.clear();
    QAbstractItemView* popup = traitementLineEditCompleter->popup();
    if (!popup->isVisible() || !popup->currentIndex().isValid())
        return;
    defaultFeeActe = text;
    QSqlQuery acte;
    if (sql::exec(acte, QStringLiteral("select * from acte where Acte='") + sql::quoted(text) + QStringLiteral("'")) &&
        acte.next()) {
        defaultFee = acte.value(3).toInt();
    }
}

void DialogTraitement::on_fraisSpin_returnPressed() {
    focusAndSelect(payementSpin);
}

void DialogTraitement::on_payementSpin_returnPressed() {
    ui->pushButton->click();
}

void DialogTraitement::on_fraisdoubleSpinBox_valueChanged(double) {
    showBalance();
}

void DialogTraitement::on_payementdoubleSpinBox_valueChanged(double) {
    showBalance();
}

void DialogTraitement::on_zeroCreditVisiteBtn_clicked() {
    payementSpin->setValue(fraisSpin->value());
}

void DialogTraitement::on_tabWidget_currentChanged(int index) {
    if (index == 0)
        ui->traitementLineEdit->setFocus(Qt::OtherFocusReason);
    else
        ordonnanceTextEdit->setFocus(Qt::OtherFocusReason);
}

void DialogTraitement::on_pushBtnAddRadio_clicked() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open File"), QDir::currentPath(),
                                                      tr("Images (*.png *.bmp *.jpg *.jpeg)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    radioBytes = file.readAll();
    // The suffix of the file name itself: a dot in a folder name does not count.
    radioFormat = QFileInfo(path).suffix();
    radioChanged = true;
    showRadio();
}

void DialogTraitement::on_pushButtonSuppRadio_clicked() {
    radioBytes.clear();
    radioChanged = true;
    showRadio();
}

void DialogTraitement::on_pushButtonOptions_clicked() {
    Dialog options(role.value(), this);
    options.exec();
}

void DialogTraitement::on_pushButton_clicked() {
    if (save())
        accept();
}

void DialogTraitement::on_pushButton_2_clicked() {
    reject();
}

// The dialog's fields and the act's columns they show.
void DialogTraitement::bindFields() {
    stored.addField(
        QStringLiteral("VDate"), [this] { return QVariant(ui->dateTimeEdit->dateTime()); },
        [this](const QVariant& value) { ui->dateTimeEdit->setDateTime(value.toDateTime()); },
        savefailure::labelOf(ui->traitementLabel_2));
    stored.addField(
        QStringLiteral("Acte"), [this] { return QVariant(ui->traitementLineEdit->text()); },
        [this](const QVariant& value) { ui->traitementLineEdit->setText(value.toString()); },
        savefailure::labelOf(ui->label));
    stored.addField(
        QStringLiteral("Frais"), [this] { return QVariant(int(fraisSpin->value())); },
        [this](const QVariant& value) { fraisSpin->setValue(value.toInt()); }, savefailure::labelOf(ui->label_11));
    stored.addField(
        QStringLiteral("Payement"), [this] { return QVariant(int(payementSpin->value())); },
        [this](const QVariant& value) {
            payementSpin->setValue(value.toInt());
            showBalance();
        },
        savefailure::labelOf(ui->label_12));
    stored.addField(
        QStringLiteral("Ordonnance"), [this] { return QVariant(ordonnanceTextEdit->toPlainText()); },
        [this](const QVariant& value) { ordonnanceTextEdit->setPlainText(value.toString()); },
        [this] { return ui->tabWidget->tabText(1).remove(QLatin1Char('&')).trimmed(); });
    stored.addField(
        QStringLiteral("Medcin_id"),
        [this] { return userModel->record(ui->medcinTraitantComboBox->currentIndex()).value(0); },
        [this](const QVariant& value) {
            m_user_id = value.toInt();
            for (int row = 0; row < userModel->rowCount(); ++row)
                if (userModel->record(row).value(0).toInt() == m_user_id)
                    ui->medcinTraitantComboBox->setCurrentIndex(row);
        },
        savefailure::labelOf(ui->traitementLabel_3));
    stored.addField(
        QStringLiteral("format"), [this] { return QVariant(radioFormat); },
        [this](const QVariant& value) { radioFormat = value.toString(); },
        [this] { return ui->groupBox_2->title().trimmed(); });
    stored.addField(
        QStringLiteral("Radio"), [this] { return QVariant(radioBytes); },
        [this](const QVariant& value) {
            radioBytes = value.toByteArray();
            showRadio();
        },
        [this] { return ui->groupBox_2->title().trimmed(); });
}

// A save that fails says why and keeps the dialog open with what was typed.
bool DialogTraitement::save() {
    const int fee = static_cast<int>(fraisSpin->value());
    const int payment = static_cast<int>(payementSpin->value());
    const QString acte = sql::quoted(ui->traitementLineEdit->text());
    const QString ordonnance = sql::quoted(ordonnanceTextEdit->toPlainText());
    const QString dateText = ui->dateTimeEdit->dateTime().toString(QStringLiteral("dd-MM-yyyy HH:mm"));
    m_medecin = userModel->record(ui->medcinTraitantComboBox->currentIndex()).value(0).toInt();

    QString statement;
    if (treatmentId != 0) {
        statement = QStringLiteral(" update Traitements  set  vdate = '") + dateText + QStringLiteral("' , ") +
                    QStringLiteral(" Acte = '") + acte + QStringLiteral("' , ") + QStringLiteral(" ordonnance = '") +
                    ordonnance + QStringLiteral("' , ") + QStringLiteral(" frais = ") + QString::number(fee) +
                    QStringLiteral(" ,  payement = ") + QString::number(payment) + QStringLiteral(" ,  Medcin_id = ") +
                    QString::number(m_medecin);
        // The radiograph's columns are written only when the user added or cleared the picture.
        if (radioChanged)
            statement +=
                QStringLiteral(" ,   format = '") + sql::quoted(radioFormat) + QStringLiteral("' ,   Radio = ? ");
        statement += QStringLiteral("  where  id = ") + QString::number(treatmentId);
    } else if (radioBytes.isEmpty()) {
        // Without a radiograph the act's picture columns keep their defaults.
        statement = QStringLiteral("insert into Traitements  ( visite_id, VDate, Acte, Ordonnance, Frais, Payement ,  "
                                   "Medcin_id ) values (") +
                    QString::number(visitNum) + QStringLiteral(", '") + dateText + QStringLiteral("','") + acte +
                    QStringLiteral("','") + ordonnance + QStringLiteral("', ") + QString::number(fee) +
                    QStringLiteral(", ") + QString::number(payment) + QStringLiteral(",") + QString::number(m_medecin) +
                    QStringLiteral(")");
    } else {
        statement = QStringLiteral("insert into Traitements  ( visite_id, VDate, Acte, Ordonnance, Frais, Payement ,  "
                                   "Medcin_id,Radio, format ) values (") +
                    QString::number(visitNum) + QStringLiteral(", '") + dateText + QStringLiteral("','") + acte +
                    QStringLiteral("','") + ordonnance + QStringLiteral("', ") + QString::number(fee) +
                    QStringLiteral(", ") + QString::number(payment) + QStringLiteral(",") + QString::number(m_medecin) +
                    QStringLiteral(",") + QStringLiteral(" ? ,'") + sql::quoted(radioFormat) + QStringLiteral("' ") +
                    QStringLiteral(")");
    }
    const bool bindsPicture = treatmentId != 0 ? radioChanged : !radioBytes.isEmpty();
    const QVariantList picture = bindsPicture ? QVariantList{radioBytes} : QVariantList{};
    if (treatmentId == 0)
        return savefailure::report(this, sql::write(statement, picture));
    const sql::Outcome outcome = sql::writeIfUnchanged(statement, stored.record(), picture);
    if (outcome != sql::Outcome::Changed)
        return savefailure::report(this, outcome);
    savefailure::reportChanged(this, stored, QStringLiteral("Traitements"), QStringLiteral("id"), treatmentId,
                               tr("Un autre poste a supprimé ce traitement : il ne peut plus être enregistré."));
    return false;
}

PrescriptionData DialogTraitement::prescription() const {
    PrescriptionData page;
    page.patientNum = patientNum;
    const QSqlRecord patient = records::patient(patientNum);
    if (!patient.isEmpty()) {
        page.patientName = patient.value(QStringLiteral("Nom")).toString();
        page.patientAge = patient.value(QStringLiteral("Age")).toInt();
        page.patientSex = patient.value(QStringLiteral("Sexe")).toString();
        page.patientAddress = patient.value(QStringLiteral("Adresse")).toString();
    }
    page.bodyText = ordonnanceTextEdit->toPlainText();
    page.drNom = drNom;
    page.ordonnancePied = ordonnancePied;
    page.doctorAddress = doctorAddress;
    // The page is headed by the doctor the act is for as the list now shows him, chosen anew or not.
    const QSqlRecord doctor = userModel->record(ui->medcinTraitantComboBox->currentIndex());
    if (!doctor.value(0).isNull()) {
        page.drNom = doctor.value(QStringLiteral("DrNom")).toString();
        if (page.drNom.trimmed().isEmpty())
            page.drNom = doctor.value(QStringLiteral("Name")).toString();
        page.doctorAddress = doctor.value(QStringLiteral("Adresse")).toString();
        page.ordonnancePied = doctor.value(QStringLiteral("OrdonnancePied")).toString();
    }
    page.date = ui->dateTimeEdit->dateTime();
    return page;
}

void DialogTraitement::on_pushButton_3_clicked() {
    QPrinter printer(QPrinter::HighResolution);
    TDPreviewDialog preview(1, prescription(), acteTableView, &printer, this);
    preview.setGrid(TDPreviewDialog::NoGrid);
    if (preview.run())
        preview.printPages();
}
