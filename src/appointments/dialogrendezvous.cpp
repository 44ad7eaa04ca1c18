#include "appointments/dialogrendezvous.h"
#include "ui_dialogrendezvous.h"

#include "app/windowgeometry.h"
#include "appointments/dialogpatientrv.h"
#include "data/records.h"
#include "data/role.h"
#include "data/sql.h"
#include "widgets/columntitles.h"
#include "widgets/completer.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/listcells.h"
#include "widgets/patientheader.h"
#include "widgets/savefailure.h"
#include "widgets/wordlist.h"

#include "data/listmodel.h"
#include <QCloseEvent>
#include <QCompleter>
#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringListModel>

DialogRendezVous::DialogRendezVous(int patientNumber, int userRole, int user, QWidget* parent)
    : QDialog(parent), userId(user), ui(std::make_unique<Ui::DialogRendezVous>()), patientNum(patientNumber) {
    ui->setupUi(this);
    if (Role(userRole).isReception()) {
        // Reception staff do not see the medical history.
        ui->label_6->hide();
        ui->labelAntecedent->hide();
    }

    showPatient();

    treatmentCompleter =
        makeCompleter(loadWordList(this, QStringLiteral("resources/liste_traitement.txt"), this, true), 0, this, true);
    ui->lineEdit->setCompleter(treatmentCompleter);

    model = new ListModel(this);
    model->setTable(QStringLiteral("Rendezvous"));
    model->setSort(2, Qt::DescendingOrder);
    model->setFilter(QStringLiteral("PatientNum =") + QString::number(patientNum));
    ui->tableView->setModel(model);
    setColumnTitles(model);
    model->select();
    ui->tableView->resizeColumnsToContents();
    ui->tableView->hideColumn(0);
    ui->tableView->hideColumn(1);
    ui->tableView->showColumn(model->fieldIndex(QStringLiteral("Etat")));
    ui->tableView->setItemDelegateForColumn(
        2, new DateFormatDelegate(QStringLiteral("dddd  dd-MM-yyyy HH:mm"), -1, ui->tableView));
    listcells::apply(ui->tableView);
    ui->tableView->resizeColumnsToContents();
    ui->tableView->horizontalHeader()->setStretchLastSection(true);

    ui->lineEdit->setFocus();
    restoreWindowGeometry(this);
}

DialogRendezVous::~DialogRendezVous() = default;

void DialogRendezVous::showPatient() {
    showPatientHeader(records::patient(patientNum), tr(" ans"), ui->labelNom, ui->labelAge, ui->labelAntecedent);
    setWindowTitle(tr("Rendez-vous pour : ") + ui->labelNom->text());
}

void DialogRendezVous::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showPatient();
        setColumnTitles(model);
    }
}

void DialogRendezVous::refreshList() {
    model->select();
    ui->tableView->resizeColumnsToContents();
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
}

void DialogRendezVous::on_lineEdit_textChanged(const QString& text) {
    // The typed text is doubled so that an apostrophe (a treatment "d'urgence") filters instead of breaking.
    const QString typed = sql::quoted(text);
    model->setFilter(QStringLiteral("( traitement  like '%") + typed + QStringLiteral("%'  or rvdate like '%") + typed +
                     QStringLiteral("%' ) and ") + QStringLiteral("PatientNum =") + QString::number(patientNum));
    refreshList();
}

void DialogRendezVous::on_lineEdit_returnPressed() {
    ui->tableView->setFocus();
    ui->tableView->selectRow(0);
}

void DialogRendezVous::on_btnNewRV_clicked() {
    DialogPatientRV booking(userId, patientNum, 0);
    if (booking.exec() == QDialog::Accepted)
        refreshList();
    ui->lineEdit->setFocus();
}

void DialogRendezVous::changeAppointment(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const int rvNum = model->record(index.row()).value(QStringLiteral("RVNum")).toInt();
    DialogPatientRV booking(userId, patientNum, rvNum);
    if (booking.exec() == QDialog::Accepted) {
        refreshList();
        ui->lineEdit->setFocus();
    }
}

void DialogRendezVous::on_btnModifierRV_clicked() {
    changeAppointment(ui->tableView->currentIndex());
    ui->lineEdit->setFocus();
}

void DialogRendezVous::on_tableView_activated(const QModelIndex& index) {
    ui->pushButton->setEnabled(index.isValid());
    changeAppointment(index);
}

void DialogRendezVous::on_tableView_clicked(const QModelIndex& index) {
    ui->pushButton->setEnabled(index.isValid());
}

void DialogRendezVous::on_tableView_entered(const QModelIndex& index) {
    ui->pushButton->setEnabled(index.isValid());
}

void DialogRendezVous::on_pushButton_clicked() {
    const QModelIndex current = ui->tableView->currentIndex();
    if (!current.isValid())
        return;
    if (!model->removeRow(current.row()))
        savefailure::reportDeletion(this, sql::failure(model->lastError()));
    refreshList();
}

void DialogRendezVous::on_pushButton_3_clicked() {
    close();
}

void DialogRendezVous::on_pushButton_2_clicked() {
    accept();
}

void DialogRendezVous::on_calendarWidget_activated(const QDate&) {}

void DialogRendezVous::on_calendarWidget_selectionChanged() {}

void DialogRendezVous::closeEvent(QCloseEvent* event) {
    saveWindowGeometry(this);
    event->accept();
}
