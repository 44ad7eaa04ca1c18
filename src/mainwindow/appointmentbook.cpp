// The appointment book: every appointment, narrowed by a search text and a day, with the states the
// reception marks during the day, and its printed list.

#include "mainwindow/mainwindow.h"

#include "ui_mainwindow.h"

#include "data/search.h"
#include "data/sql.h"
#include "mainwindow/listcolumns.h"
#include "printing/prescriptiondata.h"
#include "printing/tdpreviewdialog.h"
#include "widgets/columnfit.h"
#include "widgets/columntitles.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/delegate2.h"
#include "widgets/listcells.h"
#include "widgets/look.h"
#include "widgets/savefailure.h"
#include "widgets/shownlanguage.h"

#include "data/listmodel.h"
#include "data/trace.h"
#include <QDate>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrinter>
#include <QSqlField>
#include <QSqlRecord>

void MainWindow::setupAppointmentModel() {
    rendezvousModel = new ListModel(this);
    rendezvousModel->setTable(QStringLiteral("vRendezvous"));
    ui->tousRendezvousTableView->setModel(rendezvousModel);
    ui->tousRendezvousTableView->horizontalHeader()->setResizeContentsPrecision(look::measuredRows);
    ui->tousRendezvousTableView->setWindowTitle(tr("Table de tous les rendez-vous"));
    rendezvousModel->setFilter(QStringLiteral(" rvdate =datevalue('") +
                               QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("')"));
    rendezvousModel->select();
    ui->tousRendezvousTableView->resizeColumnsToContents();
    ui->tousRendezvousTableView->horizontalHeader()->setFont(listcolumns::headerFont());
    ui->tousRendezvousTableView->verticalHeader()->setFont(listcolumns::headerFont());
    ui->tousRendezvousTableView->setItemDelegateForColumn(
        0, new DateFormatDelegate(QString::fromLatin1(look::dateTimeFormat), 0, ui->tousRendezvousTableView));
    listcells::apply(ui->tousRendezvousTableView);
}

void MainWindow::finishAppointmentView() {
    setColumnTitles(rendezvousModel);
    QTableView* view = ui->tousRendezvousTableView;
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::on_tableViewTousRDV_SelectionChanged);
    // RVDate is the appointment's day as the database writes it; the first column shows it with its time.
    for (const char* hidden : {"Num", "VDate", "RVNum", "RVDate"})
        view->setColumnHidden(listcolumns::of(rendezvousModel, hidden), true);
    view->setColumnHidden(listcolumns::of(rendezvousModel, "Etat"), false);
}

void MainWindow::startAppointmentBook() {
    appointmentsReady = true;
    ui->dateEdit->setDate(QDate::currentDate());
    ui->checkBox->toggle();
    ui->tousRendezvousTableView->setItemDelegateForColumn(listcolumns::of(rendezvousModel, "Etat"),
                                                          new Delegate2(ui->tousRendezvousTableView));
    ui->tousRendezvousTableView->resizeColumnsToContents();
}

void MainWindow::refreshAppointments() {
    if (!appointmentsReady)
        return;
    const QString text = sql::quoted(ui->lineEdit->text());
    ui->pushButtonAttente->setEnabled(false);
    ui->pushButtonPresent->setEnabled(false);
    ui->pushButtonAbsent->setEnabled(false);
    ui->labelPatient->clear();
    QString filter;
    if (ui->checkBox->isChecked()) {
        const QString day = ui->dateEdit->date().toString(QStringLiteral("dd-MM-yyyy"));
        filter = QStringLiteral(" (Nom like '%") + text + QStringLiteral("%'  or traitement  like '%") + text +
                 QStringLiteral("%' or Etat  like '%") + text + QStringLiteral("%' ) and  VDate Between datevalue('") +
                 day + QStringLiteral("') And datevalue('") + day + QStringLiteral("') ");
    } else {
        filter = QStringLiteral("Nom like '%") + text + QStringLiteral("%'  or traitement  like '%") + text +
                 QStringLiteral("%'  or Etat  like '%") + text + QStringLiteral("%' ");
        // Every day of twenty years: the search index narrows them to a few candidates, on which the like
        // filter decides.
        const QString candidates = search::appointmentCandidates(ui->lineEdit->text());
        if (!candidates.isEmpty())
            filter = candidates + QStringLiteral(" and (") + filter + QLatin1Char(')');
    }
    rendezvousModel->setFilter(filter);
    qCDebug(lcTrace) << filter;
    rendezvousModel->select();
    QTableView* view = ui->tousRendezvousTableView;
    view->horizontalHeader()->setStretchLastSection(true);
    if (columnfit::fitOnce(view))
        view->setColumnWidth(1, 350);
    view->selectRow(0);
}

void MainWindow::on_lineEdit_textChanged(const QString&) {
    refreshAppointments();
}

void MainWindow::on_lineEdit_returnPressed() {
    ui->tousRendezvousTableView->setFocus();
    ui->tousRendezvousTableView->selectRow(0);
}

void MainWindow::on_checkBox_toggled(bool checked) {
    ui->dateEdit->setEnabled(checked);
    columnfit::refit(ui->tousRendezvousTableView);
    refreshAppointments();
}

void MainWindow::on_dateEdit_dateChanged(const QDate&) {
    refreshAppointments();
}

void MainWindow::on_btnRefresh_clicked() {
    refreshAppointments();
}

void MainWindow::on_tableViewTousRDV_SelectionChanged(const QModelIndex& current, const QModelIndex&) {
    qCDebug(lcTrace) << current.data().toString();
    if (!current.isValid()) {
        selectedAppointment = -1;
        return;
    }
    ui->pushButtonAttente->setEnabled(true);
    ui->pushButtonPresent->setEnabled(true);
    ui->pushButtonAbsent->setEnabled(true);
    const QSqlRecord row = rendezvousModel->record(current.row());
    ui->labelPatient->setText(row.value(QStringLiteral("Nom")).toString() + QStringLiteral(" | ") +
                              row.value(QStringLiteral("RVDate")).toDate().toString(QStringLiteral("dd/MM/yyyy")) +
                              QStringLiteral(" | ") +
                              shownlanguage::storedWord(row.value(QStringLiteral("Etat")).toString()));
    selectedAppointment = row.value(QStringLiteral("RVNum")).toInt();
}

void MainWindow::markAppointment(const QString& statement) {
    const QModelIndex current = ui->tousRendezvousTableView->currentIndex();
    if (!current.isValid())
        return;
    // The state is changed only from the one on show: a state another workstation set meanwhile is not
    // overwritten unseen.
    QSqlRecord shown;
    shown.append(QSqlField(QStringLiteral("Etat"), QMetaType(QMetaType::QString)));
    shown.setValue(0, rendezvousModel->record(current.row()).value(QStringLiteral("Etat")));
    const sql::Outcome outcome = sql::writeIfUnchanged(statement + QString::number(selectedAppointment), shown);
    const int row = current.row();
    refreshAppointments();
    ui->tousRendezvousTableView->selectRow(row);
    if (outcome == sql::Outcome::Changed)
        QMessageBox::warning(this, tr("Avertissement "),
                             tr("Un autre poste a changé ce rendez-vous entre-temps : la liste montre maintenant "
                                "son état enregistré."));
    else
        savefailure::report(this, outcome);
}

void MainWindow::on_pushButtonAttente_clicked() {
    markAppointment(QStringLiteral(" update Rendezvous  set  Etat = 'En attente'   where  rvNum = "));
}

void MainWindow::on_pushButtonPresent_clicked() {
    markAppointment(QStringLiteral(" update Rendezvous  set  Etat = 'Présent'   where  rvNum = "));
}

void MainWindow::on_pushButtonAbsent_clicked() {
    markAppointment(QStringLiteral(" update Rendezvous  set  Etat = 'Absent'   where  rvNum = "));
}

void MainWindow::on_tousRendezvousTableView_activated(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const int patient = rendezvousModel->record(index.row()).value(QStringLiteral("Num")).toInt();
    qCDebug(lcTrace) << patient;
    setCurrentPatient(patient);
    ui->lineEditFiltreVisite->setFocus();
    ui->actionVisite->trigger();
}

// A click only selects; activation (double click or Return) opens the patient.
void MainWindow::on_tousRendezvousTableView_clicked(const QModelIndex&) {}

// Printing is connected by hand to imprimerTousRVProc().
void MainWindow::on_imprimerTousRVBtn_clicked() {}

void MainWindow::imprimerTousRVProc() {
    PrescriptionData list;
    if (ui->checkBox->isChecked())
        list.bodyText = ui->dateEdit->date().toString(QStringLiteral("dd/MM/yyyy"));
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    TDPreviewDialog preview(0, list, ui->tousRendezvousTableView, printer.get(), this);
    preview.setGrid(TDPreviewDialog::NoGrid);
    if (preview.run() == QDialog::Accepted)
        preview.printPages();
}
