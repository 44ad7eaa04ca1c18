#include "dialogfindpatient.h"
#include "ui_dialogfindpatient.h"

#include "app/windowgeometry.h"
#include "data/search.h"
#include "data/sql.h"
#include "patients/dialogaddupdatepatient.h"
#include "widgets/columnfit.h"
#include "widgets/columntitles.h"
#include "widgets/deletionquestion.h"
#include "widgets/look.h"
#include "widgets/savefailure.h"

#include "data/listmodel.h"
#include "data/trace.h"
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
// The columns searched, each on its own: a patient matches when one of them holds every word.
const char* const searchedColumns[] = {"n°dossier", "nom", "Antecedent_G", "Antecedent_L",
                                       "Adresse",   "Tel", "annee",        "autres"};

// The reception does not see the medical history, and does not find patients by it either.
bool isHistory(const char* column) {
    return qstrcmp(column, "Antecedent_G") == 0 || qstrcmp(column, "Antecedent_L") == 0;
}
} // namespace

DialogFindPatient::DialogFindPatient(int user, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogFindPatient>()), userId(user) {
    ui->setupUi(this);

    patientsModel = new ListModel(this);
    patientsModel->setTable(QStringLiteral("patients"));
    const int nomColumn = patientsModel->fieldIndex(QStringLiteral("Nom"));
    patientsModel->setSort(nomColumn, Qt::AscendingOrder);
    patientsModel->select();
    ui->tableViewPatient->setModel(patientsModel);
    ui->tableViewPatient->horizontalHeader()->setResizeContentsPrecision(look::measuredRows);
    setColumnTitles(patientsModel);
    ui->tableViewPatient->horizontalHeader()->setSortIndicator(nomColumn, Qt::AscendingOrder);
    connect(ui->tableViewPatient->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DialogFindPatient::on_selectionChanged);
    ui->patientlineEdit->clear();
    patientsModel->select();
    resizeColumns();

    role = Role::ofUser(userId);
    if (role.isReception()) {
        ui->tableViewPatient->hideColumn(patientsModel->fieldIndex(QStringLiteral("Antecedent_G")));
        ui->tableViewPatient->hideColumn(patientsModel->fieldIndex(QStringLiteral("Antecedent_L")));
    }

    restoreWindowGeometry(this);
    ui->patientlineEdit->setFocus();
}

DialogFindPatient::~DialogFindPatient() = default;

void DialogFindPatient::resizeColumns() {
    columnfit::refit(ui->tableViewPatient);
    columnfit::fitOnce(ui->tableViewPatient);
    ui->tableViewPatient->horizontalHeader()->setStretchLastSection(true);
}

int DialogFindPatient::currentPatientNum() const {
    const QModelIndex current = ui->tableViewPatient->currentIndex();
    return current.isValid() ? patientsModel->index(current.row(), 0).data().toInt() : 0;
}

// The patient form is told "reception" for the reception and nothing for a doctor.
QString DialogFindPatient::formRoleName() const {
    return role.isReception() ? QString::fromLatin1(Role::receptionName) : QString();
}

void DialogFindPatient::on_patientlineEdit_textChanged(const QString& text) {
    const bool withHistory = !role.isReception();
    // Consecutive blanks give empty words, which match everything.
    const QStringList typedWords = search::typedWords(text);
    QStringList words;
    for (const QString& word : typedWords)
        words << sql::quoted(word);
    QStringList groups;
    for (const char* column : searchedColumns) {
        if (!withHistory && isHistory(column))
            continue;
        QStringList group;
        for (const QString& word : words)
            group << QStringLiteral("   ") + QString::fromUtf8(column) + " like '%" + word + "%' ";
        groups << group.join(QStringLiteral(" and "));
    }
    // The search index narrows the register to a few candidates, on which the like filter decides.
    const QString candidates = search::patientCandidates(typedWords, withHistory);
    const QString columnGroups = "( " + groups.join(QStringLiteral(" ) or ( ")) + " ) ";
    const QString filter = candidates.isEmpty() ? "  num like '%%' and " + columnGroups
                                                : "  " + candidates + " and ( " + columnGroups + ") ";
    qCDebug(lcTrace) << "words" << words;
    qCDebug(lcTrace) << "filter" << filter;
    patientsModel->setFilter(filter);
    patientsModel->select();
    columnfit::fitOnce(ui->tableViewPatient);
}

void DialogFindPatient::on_patientlineEdit_returnPressed() {
    ui->tableViewPatient->clearSelection();
    ui->tableViewPatient->selectRow(0);
    ui->tableViewPatient->setFocus();
}

void DialogFindPatient::on_selectionChanged(const QModelIndex& current, const QModelIndex& /*previous*/) {
    m_selectedPatientNum = current.isValid() ? patientsModel->index(current.row(), 0).data().toInt() : 0;
}

void DialogFindPatient::on_tableViewPatient_activated(const QModelIndex& /*index*/) {
    m_selectedPatientNum = currentPatientNum();
    accept();
}

void DialogFindPatient::refreshAfterForm() {
    ui->patientlineEdit->setFocus();
    ui->patientlineEdit->clear();
    patientsModel->select();
    resizeColumns();
}

void DialogFindPatient::on_newPatientBtn_clicked() {
    DialogAddUpdatePatient form(0, userId, formRoleName(), this);
    form.exec();
    refreshAfterForm();
}

void DialogFindPatient::on_setPatientBtn_clicked() {
    if (!ui->tableViewPatient->currentIndex().isValid())
        return;
    DialogAddUpdatePatient form(currentPatientNum(), userId, formRoleName(), this);
    form.exec();
    refreshAfterForm();
}

void DialogFindPatient::on_delPatientBtn_clicked() {
    const QModelIndex current = ui->tableViewPatient->currentIndex();
    if (!current.isValid())
        return;
    const QSqlRecord row = patientsModel->record(current.row());
    if (confirmDeletion(this, tr("<br>Le nom : ") + row.value("Nom").toString().toHtmlEscaped())) {
        // Only the patient row goes: the visits, acts and appointments stay in the register.
        savefailure::reportDeletion(this,
                                    sql::write("delete from patients where num = " + row.value("Num").toString()));
    }
    ui->patientlineEdit->clear();
    patientsModel->select();
    resizeColumns();
}

void DialogFindPatient::on_pushButtonClose_clicked() {
    close();
}

void DialogFindPatient::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setColumnTitles(patientsModel);
    }
}

void DialogFindPatient::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(this);
    QDialog::closeEvent(event);
}
