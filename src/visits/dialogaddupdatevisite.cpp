#include "visits/dialogaddupdatevisite.h"
#include "app/windowgeometry.h"
#include "ui_dialogaddupdatevisite.h"

#include "data/records.h"
#include "data/sql.h"
#include "widgets/completer.h"
#include "widgets/dateentry.h"
#include "widgets/fieldfocus.h"
#include "widgets/look.h"
#include "widgets/mycombobox.h"
#include "widgets/patientheader.h"
#include "widgets/savefailure.h"
#include "widgets/shownlanguage.h"

#include "data/listmodel.h"
#include <QCompleter>
#include <QDateTime>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {} // namespace

DialogAddUpdateVisite::DialogAddUpdateVisite(int user, int patientNumber, int visitNumber, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogAddUpdateVisite>()), userId(user), patientNum(patientNumber),
      visitNum(visitNumber) {
    ui->setupUi(this);
    shownlanguage::applyLocale(this);
    DateEntry::enable(this);

    motifCompleter = makeCompleter(QStringLiteral("motif"), QStringLiteral("motif <> ''"));
    ui->motifLineEdit->setCompleter(motifCompleter);
    diagnostiqueCompleter = makeCompleter(QStringLiteral("diagnostique"), QStringLiteral("diagnostique  <> ''"));
    ui->diagnostiqueLineEdit->setCompleter(diagnostiqueCompleter);
    typeProtheseCompleter = makeCompleter(QStringLiteral("TypeProthese"), QStringLiteral("TypeProthese <> ''"));
    ui->lineEdit->setCompleter(typeProtheseCompleter);

    comboBox = new MyComboBox(this);
    comboBox->setObjectName(QStringLiteral("comboBox"));
    comboBox->setFont(QFont(QString::fromLatin1(look::fontFamily), 16, QFont::Bold));
    comboBox->setStyleSheet(QStringLiteral("color : rgb(0,0,255);"));
    prothesistesModel = new ListModel(this);
    prothesistesModel->setTable(QStringLiteral("Prothesistes"));
    prothesistesModel->setSort(0, Qt::AscendingOrder);
    prothesistesModel->setFilter(QStringLiteral("Nom <> ''"));
    prothesistesModel->select();
    comboBox->setModel(prothesistesModel);
    comboBox->setModelColumn(2);
    comboBox->hide();
    setTabOrder(ui->diagnostiqueLineEdit, comboBox);
    setTabOrder(comboBox, ui->lineEdit);

    showPatient();

    if (visitNum < 1) {
        showTitle();
        ui->dateDateTimeEdit->setDateTime(QDateTime::currentDateTime());
        showType(visitNum == 0);
        ui->lineEdit->setText(QStringLiteral("/"));
    } else {
        stored.addField(
            QStringLiteral("VDate"), [this] { return QVariant(ui->dateDateTimeEdit->dateTime()); },
            [this](const QVariant& value) { ui->dateDateTimeEdit->setDateTime(value.toDateTime()); },
            savefailure::labelOf(ui->dateLabel));
        const struct {
            QString column;
            QLineEdit* edit;
            const QLabel* label;
        } texts[] = {{QStringLiteral("Motif"), ui->motifLineEdit, ui->motifLabel},
                     {QStringLiteral("Diagnostique"), ui->diagnostiqueLineEdit, ui->diagnostiqueLabel},
                     {QStringLiteral("TypeProthese"), ui->lineEdit, ui->label}};
        for (const auto& text : texts) {
            QLineEdit* edit = text.edit;
            stored.addField(
                text.column, [edit] { return QVariant(edit->text()); },
                [edit](const QVariant& value) { edit->setText(value.toString()); }, savefailure::labelOf(text.label));
        }
        QSqlQuery visit;
        visit.setForwardOnly(true);
        bool care = false;
        if (sql::exec(visit, QStringLiteral("select * from Visites where VisiteNum = ") + QString::number(visitNum)) &&
            visit.next()) {
            showTitle();
            stored.load(visit.record());
            care = visit.value(QStringLiteral("Type")).toString() == QLatin1String("SOINS");
        }
        showType(care);
    }

    ui->dateDateTimeEdit->setFocus();
    connect(comboBox, &QComboBox::textActivated, this, &DialogAddUpdateVisite::on_comboBox_activated);
    restoreWindowGeometry(this);
}

DialogAddUpdateVisite::~DialogAddUpdateVisite() = default;

QCompleter* DialogAddUpdateVisite::makeCompleter(const QString& table, const QString& filter) {
    auto* model = new ListModel(this);
    model->setTable(table);
    model->setSort(0, Qt::AscendingOrder);
    model->setFilter(filter);
    model->select();
    return ::makeCompleter(model, 2, this);
}

void DialogAddUpdateVisite::showPatient() {
    showPatientHeader(records::patient(patientNum), tr(" ans"), ui->labelNom, ui->labelAge, ui->labelAntecedent);
}

void DialogAddUpdateVisite::showTitle() {
    setWindowTitle(visitNum < 1 ? tr("Nouveau Visite ") : tr("Visite N° ") + QString::number(visitNum));
}

void DialogAddUpdateVisite::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The form's texts come back from the catalogue; the patient, the title and the visit's type are the program's.
    ui->retranslateUi(this);
    showPatient();
    showTitle();
    ui->tabWidget->setTabText(ui->tabWidget->indexOf(ui->tab), shownlanguage::storedWord(type));
}

void DialogAddUpdateVisite::showType(bool care) {
    ui->labelSoins->setVisible(care);
    ui->labelProthese->setVisible(!care);
    type = care ? QStringLiteral("SOINS") : QStringLiteral("PROTHESE");
    ui->tabWidget->setTabText(ui->tabWidget->indexOf(ui->tab), shownlanguage::storedWord(type));
}

void DialogAddUpdateVisite::done(int result) {
    saveWindowGeometry(this);
    QDialog::done(result);
}

void DialogAddUpdateVisite::on_dateDateTimeEdit_editingFinished() {
    focusAndSelect(ui->motifLineEdit);
}

void DialogAddUpdateVisite::on_motifLineEdit_returnPressed() {
    focusAndSelect(ui->diagnostiqueLineEdit);
}

void DialogAddUpdateVisite::on_diagnostiqueLineEdit_returnPressed() {
    focusAndSelect(ui->lineEdit);
}

void DialogAddUpdateVisite::on_lineEdit_returnPressed() {
    if (comboBox->currentText() == QLatin1String("/"))
        ui->lineEdit->setText(QStringLiteral("/"));
    ui->pushButton->setFocus();
    ui->pushButton->click();
}

void DialogAddUpdateVisite::on_comboBox_activated(const QString& text) {
    if (text == QLatin1String("/"))
        ui->lineEdit->setText(QStringLiteral("/"));
}

void DialogAddUpdateVisite::on_pushButton_clicked() {
    if (save())
        accept();
}

void DialogAddUpdateVisite::on_pushButton_2_clicked() {
    close();
}

// A visit and its first act are written together or not at all; a failure is shown and the form stays open
// with what was typed.
bool DialogAddUpdateVisite::save() {
    const QString dateText = ui->dateDateTimeEdit->dateTime().toString(QStringLiteral("dd-MM-yyyy HH:mm"));
    const QString motif = sql::quoted(ui->motifLineEdit->text());
    const QString diagnostique = sql::quoted(ui->diagnostiqueLineEdit->text());
    const QString typeProthese = sql::quoted(ui->lineEdit->text());

    if (visitNum >= 1) {
        const QString statement =
            QStringLiteral(" update Visites  set  vdate = '") + dateText + QStringLiteral("' , ") +
            QStringLiteral(" motif = '") + motif + QStringLiteral("' , ") + QStringLiteral(" diagnostique = '") +
            diagnostique + QStringLiteral("' , ") + QStringLiteral(" TypeProthese = '") + typeProthese +
            QStringLiteral("'  ") + QStringLiteral(" where  VisiteNum = ") + QString::number(visitNum);
        const sql::Outcome outcome = sql::writeIfUnchanged(statement, stored.record());
        if (outcome != sql::Outcome::Changed)
            return savefailure::report(this, outcome);
        savefailure::reportChanged(this, stored, QStringLiteral("Visites"), QStringLiteral("VisiteNum"), visitNum,
                                   tr("Un autre poste a supprimé cette visite : elle ne peut plus être enregistrée."));
        return false;
    }

    QSqlDatabase db = QSqlDatabase::database();
    const bool inTransaction = db.transaction();
    const QString insertVisit =
        QStringLiteral("insert into visites (PatientNum,Type, VDate, Motif, Diagnostique, TypeProthese) values (") +
        QString::number(patientNum) + QStringLiteral(", '") + type + QStringLiteral("','") + dateText +
        QStringLiteral("','") + motif + QStringLiteral("','") + diagnostique + QStringLiteral("','") + typeProthese +
        QStringLiteral("' ") + QStringLiteral(")");
    QSqlQuery query;
    bool ok = sql::exec(query, insertVisit);
    if (ok) {
        // The number this insert produced, not the highest one: another client may have inserted meanwhile.
        const QString newVisitNum = QString::number(query.lastInsertId().toLongLong());
        const QString insertAct = QStringLiteral("insert into Traitements  (visite_id, VDate,  Medcin_id ) values (") +
                                  newVisitNum + QStringLiteral(", '") + dateText + QStringLiteral("',") +
                                  QString::number(userId) + QStringLiteral(")");
        ok = sql::exec(query, insertAct);
    }
    QSqlError error = query.lastError();
    if (ok && inTransaction) {
        ok = db.commit();
        error = db.lastError();
    }
    if (!ok) {
        if (inTransaction)
            db.rollback();
        savefailure::report(this, sql::failure(error));
    }
    return ok;
}
