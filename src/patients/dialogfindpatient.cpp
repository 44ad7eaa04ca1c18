#include "dialogfindpatient.h"
#include "ui_dialogfindpatient.h"

#include "app/windowgeometry.h"
#include "data/sql.h"
#include "patients/dialogaddupdatepatient.h"
#include "widgets/columntitles.h"
#include "widgets/deletionquestion.h"

#include <QDebug>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace {
// The columns searched, each on its own: a patient matches when one of them holds every word.
const char* const searchedColumns[] = {"n°dossier", "nom", "Antecedent_G", "Antecedent_L",
                                       "Adresse",   "Tel", "annee",        "autres"};
} // namespace

DialogFindPatient::DialogFindPatient(int userId, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogFindPatient>()), userId(userId) {
    ui->setupUi(this);

    patientsModel = new QSqlTableModel(this);
    patientsModel->setTable(QStringLiteral("patients"));
    const int nomColumn = patientsModel->fieldIndex(QStringLiteral("Nom"));
    patientsModel->setSort(nomColumn, Qt::AscendingOrder);
    patientsModel->select();
    ui->tableViewPatient->setModel(patientsModel);
    setColumnTitles(patientsModel);
    ui->tableViewPatient->horizontalHeader()->setSortIndicator(nomColumn, Qt::AscendingOrder);
    connect(ui->tableViewPatient->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DialogFindPatient::on_selectionChanged);
    ui->patientlineEdit->clear();
    patientsModel->select();
    resizeColumns();

    QSqlQuery user;
    int role = 0;
    if (sql::exec(user, "select * from user where id =" + QString::number(userId)) && user.next())
        role = user.value("Role").toInt();
    if (role > 2) {
        ui->tableViewPatient->hideColumn(patientsModel->fieldIndex(QStringLiteral("Antecedent_G")));
        ui->tableViewPatient->hideColumn(patientsModel->fieldIndex(QStringLiteral("Antecedent_L")));
        roleName = QStringLiteral("reception");
    }

    restoreWindowGeometry(this);
    ui->patientlineEdit->setFocus();
}

DialogFindPatient::~DialogFindPatient() = default;

void DialogFindPatient::resizeColumns() {
    ui->tableViewPatient->resizeColumnsToContents();
    ui->tableViewPatient->horizontalHeader()->setStretchLastSection(true);
}

int DialogFindPatient::currentPatientNum() const {
    const QModelIndex current = ui->tableViewPatient->currentIndex();
    return current.isValid() ? patientsModel->index(current.row(), 0).data().toInt() : 0;
}

void DialogFindPatient::on_patientlineEdit_textChanged(const QString& text) {
    // Consecutive blanks give empty words, which match everything.
    const QStringList words = sql::quoted(text).split(QLatin1Char(' '));
    QStringList groups;
    for (const char* column : searchedColumns) {
        QStringList group;
        for (const QString& word : words)
            group << QStringLiteral("   ") + QString::fromUtf8(column) + " like '%" + word + "%' ";
        groups << group.join(QStringLiteral(" and "));
    }
    const QString filter = "  num like '%%' and ( " + groups.join(QStringLiteral(" ) or ( ")) + " ) ";
    qDebug() << "words" << words;
    qDebug() << "filter" << filter;
    patientsModel->setFilter(filter);
    patientsModel->select();
    resizeColumns();
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
    DialogAddUpdatePatient form(0, userId, roleName, this);
    form.exec();
    refreshAfterForm();
}

void DialogFindPatient::on_setPatientBtn_clicked() {
    if (!ui->tableViewPatient->currentIndex().isValid())
        return;
    DialogAddUpdatePatient form(currentPatientNum(), userId, roleName, this);
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
        QSqlQuery query;
        if (!sql::exec(query, "delete from patients where num = " + row.value("Num").toString())) {
            QMessageBox error(QMessageBox::Warning, tr("Avertissement "), query.lastError().text(), QMessageBox::Ok);
            error.exec();
        }
    }
    ui->patientlineEdit->clear();
    patientsModel->select();
    resizeColumns();
}

void DialogFindPatient::on_pushButtonClose_clicked() {
    close();
}

void DialogFindPatient::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(this);
    QDialog::closeEvent(event);
}
