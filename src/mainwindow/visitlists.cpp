// The two visit lists: the current patient's visits beside the embedded visit panel, and every patient's
// visits with their balance.

#include "mainwindow/mainwindow.h"

#include "ui_mainwindow.h"

#include "data/search.h"
#include "data/sql.h"
#include "mainwindow/listcolumns.h"
#include "visits/dialogaddupdatevisite.h"
#include "visits/dialogvisite.h"
#include "widgets/columnfit.h"
#include "widgets/columntitles.h"
#include "widgets/dateformatdelegate.h"
#include "widgets/delegate.h"
#include "widgets/deletionquestion.h"
#include "widgets/listcells.h"
#include "widgets/look.h"
#include "widgets/savefailure.h"

#include "data/listmodel.h"
#include "data/trace.h"
#include <QHeaderView>
#include <QLocale>
#include <QSqlError>
#include <QSqlRecord>

void MainWindow::setupVisitModels() {
    visitType = ui->comboBox->currentData().toString();
    visitesModel = new ListModel(this);
    visitesModel->setTable(QStringLiteral("vVisites"));
    ui->tableViewVisite->setModel(visitesModel);
    const int date = listcolumns::of(visitesModel, "VDate");
    visitesModel->setSort(date, Qt::DescendingOrder);
    visitesModel->select();
    ui->tableViewVisite->setItemDelegateForColumn(
        date, new DateFormatDelegate(QString::fromLatin1(look::dateTimeFormat), date, ui->tableViewVisite));
    listcells::apply(ui->tableViewVisite);
}

void MainWindow::setupAllVisitsModel() {
    soinsProtheseModel = new ListModel(this);
    soinsProtheseModel->setTable(QStringLiteral("vSoinsProthese"));
    ui->parVisiteTableView->setModel(soinsProtheseModel);
    ui->parVisiteTableView->horizontalHeader()->setResizeContentsPrecision(look::measuredRows);
    const int balance = listcolumns::of(soinsProtheseModel, "Reste");
    ui->parVisiteTableView->setItemDelegateForColumn(balance, new Delegate(ui->parVisiteTableView));
    const int date = listcolumns::of(soinsProtheseModel, "VDate");
    soinsProtheseModel->setSort(date, Qt::DescendingOrder);
    soinsProtheseModel->select();
    ui->parVisiteTableView->setItemDelegateForColumn(
        date, new DateFormatDelegate(QString::fromLatin1(look::dateTimeFormat), date, ui->parVisiteTableView));
    listcells::apply(ui->parVisiteTableView);
    ui->parVisiteTableView->resizeColumnsToContents();
    ui->parVisiteTableView->setColumnWidth(balance, 150);
}

void MainWindow::finishVisitViews() {
    setColumnTitles(visitesModel);
    setColumnTitles(soinsProtheseModel);
    ui->tableViewVisite->horizontalHeader()->setFont(listcolumns::headerFont());
    ui->parVisiteTableView->horizontalHeader()->setFont(listcolumns::headerFont());
    ui->tableViewVisite->setColumnHidden(listcolumns::of(visitesModel, "PatientNum"), true);
    connect(ui->tableViewVisite->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MainWindow::on_tableViewVisite_SelectionChanged);
    ui->parVisiteTableView->setColumnHidden(listcolumns::of(soinsProtheseModel, "Num"), true);
    // Through another index and back, so that the list ends filtered on care visits.
    ui->comboBoxSoinProthese->setCurrentIndex(1);
    ui->comboBoxSoinProthese->setCurrentIndex(0);
    ui->tableViewVisite->selectRow(0);
    ui->tableViewVisite->setColumnHidden(listcolumns::of(visitesModel, "TypeProthese"), true);
    ui->tableViewVisite->resizeColumnsToContents();
}

int MainWindow::visitNumOfRow(int row) const {
    return visitesModel->record(row).value(QStringLiteral("VisiteNum")).toInt();
}

void MainWindow::showVisitOfRow(int row) {
    if (row < 0)
        visitPanel->clearVisite();
    else
        visitPanel->updateVisite(userId, numPatient, visitNumOfRow(row), ui->comboBox->currentIndex() == 1);
}

void MainWindow::selectFirstVisitQuietly() {
    panelFollowsSelection = false;
    ui->tableViewVisite->selectRow(0);
    panelFollowsSelection = true;
    showVisitOfRow(ui->tableViewVisite->currentIndex().isValid() ? ui->tableViewVisite->currentIndex().row() : -1);
}

void MainWindow::refreshVisitList(const QString& searchText) {
    const QString text = sql::quoted(searchText);
    visitesModel->setFilter(QStringLiteral("(vdate like '%") + text + QStringLiteral("%' or Motif like '%") + text +
                            QStringLiteral("%' or Diagnostique like '%") + text +
                            QStringLiteral("%' or  TypeProthese like '%") + text + QStringLiteral("%' )and ") +
                            patientFilter + QStringLiteral(" and Type like '%") + sql::quoted(visitType) +
                            QStringLiteral("%' "));
    qCDebug(lcTrace) << "filtre visite = " << visitesModel->filter();
    visitesModel->select();
    columnfit::fitOnce(ui->tableViewVisite);
    selectFirstVisitQuietly();
}

void MainWindow::setVisitType(const QString& type) {
    visitType = type;
    ui->tableViewVisite->setColumnHidden(listcolumns::of(visitesModel, "TypeProthese"),
                                         type != QLatin1String("PROTHESE"));
    columnfit::refit(ui->tableViewVisite);
    {
        const QSignalBlocker quiet(ui->lineEditFiltreVisite);
        ui->lineEditFiltreVisite->clear();
    }
    refreshVisitList(QString());
}

void MainWindow::on_comboBox_currentIndexChanged(const QString& text) {
    if (visitesModel)
        setVisitType(text);
}

void MainWindow::on_comboBox_activated(const QString& text) {
    setVisitType(text);
    ui->tableViewVisite->selectRow(0);
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::on_lineEditFiltreVisite_textChanged(const QString& text) {
    refreshVisitList(text);
}

void MainWindow::on_lineEditFiltreVisite_returnPressed() {
    ui->tableViewVisite->setFocus();
    ui->tableViewVisite->selectRow(0);
}

void MainWindow::on_tableViewVisite_SelectionChanged(const QModelIndex& current, const QModelIndex&) {
    if (!panelFollowsSelection)
        return;
    qCDebug(lcTrace) << current.data().toString();
    showVisitOfRow(current.isValid() ? current.row() : -1);
}

void MainWindow::on_tableViewVisite_activated(const QModelIndex& index) {
    if (!index.isValid()) {
        visitPanel->clearVisite();
        return;
    }
    showVisitOfRow(index.row());
    if (auto* search = visitPanel->findChild<QLineEdit*>(QStringLiteral("lineEditFiltreVisite")))
        search->setFocus();
}

void MainWindow::selectModelVisit() {
    // The panel already shows this visit: only the sums of the lists change, the balances of all visits too.
    const int row = ui->tableViewVisite->currentIndex().row();
    panelFollowsSelection = false;
    visitesModel->select();
    ui->tableViewVisite->selectRow(row);
    panelFollowsSelection = true;
    soinsProtheseModel->select();
}

void MainWindow::on_btnNewVisite_clicked() {
    {
        DialogAddUpdateVisite form(userId, numPatient, visitType == QLatin1String("SOINS") ? 0 : -1);
        form.exec();
    }
    visitesModel->select();
    ui->tableViewVisite->resizeColumnsToContents();
    selectFirstVisitQuietly();
    ui->lineEditFiltreVisite->setFocus();
    soinsProtheseModel->select();
}

void MainWindow::on_btnModifierVisite_clicked() {
    const QModelIndex current = ui->tableViewVisite->currentIndex();
    if (current.isValid()) {
        bool accepted = false;
        {
            DialogAddUpdateVisite form(userId, numPatient, visitNumOfRow(current.row()));
            accepted = form.exec() == QDialog::Accepted;
        }
        if (accepted) {
            visitesModel->select();
            ui->tableViewVisite->resizeColumnsToContents();
            soinsProtheseModel->select();
        }
    }
    selectFirstVisitQuietly();
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::on_btnSuppVisite_clicked() {
    const QModelIndex current = ui->tableViewVisite->currentIndex();
    if (!current.isValid())
        return;
    const QSqlRecord row = visitesModel->record(current.row());
    const QString visitNum = row.value(QStringLiteral("VisiteNum")).toString();
    const QString date =
        QLocale(QStringLiteral("en_US"))
            .toString(row.value(QStringLiteral("VDate")).toDateTime(), QStringLiteral("dddd MM dd, yyyy  HH:mm"));
    if (confirmDeletion(this, tr("<br>Visite N° ") + visitNum + tr("<br>Date  ") + date)) {
        savefailure::reportDeletion(this,
                                    sql::write(QStringLiteral("delete from visites where visitenum = ") + visitNum));
    }
    visitesModel->select();
    soinsProtheseModel->select();
    ui->tableViewVisite->resizeColumnsToContents();
    // The panel must not go on showing the acts of a visit that is gone.
    selectFirstVisitQuietly();
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::setAllVisitsType(const QString& type) {
    allVisitsType = type == QLatin1String("TOUS") ? QString() : type;
}

void MainWindow::filterAllVisits(const QString& searchText, const QString& opening) {
    const QString text = sql::quoted(searchText);
    QString slashed = text;
    slashed.replace(QLatin1Char('-'), QLatin1Char('/'));
    const QString filter =
        opening + text + QStringLiteral("%'  or motif  like '%") + text +
        QStringLiteral("%'  or diagnostique  like '%") + text + QStringLiteral("%'  or typeProthese  like '%") + text +
        QStringLiteral("%'  or vdate like '%") + text + QStringLiteral("%'  or vdate like '%") + slashed +
        QStringLiteral("%'  ) and Type like '%") + sql::quoted(allVisitsType) + QStringLiteral("%'  ");
    // The search index narrows twenty years of visits to a few candidates, on which the like filter decides.
    const QString candidates = search::visitCandidates(searchText);
    soinsProtheseModel->setFilter(candidates.isEmpty() ? filter : candidates + QStringLiteral(" and ") + filter);
    qCDebug(lcTrace) << filter;
    soinsProtheseModel->select();
    if (columnfit::fitOnce(ui->parVisiteTableView))
        ui->parVisiteTableView->setColumnWidth(listcolumns::of(soinsProtheseModel, "Reste"), 150);
}

void MainWindow::on_lineEditParVisite_textChanged(const QString& text) {
    filterAllVisits(text, QStringLiteral("( Nom like '%"));
}

void MainWindow::on_comboBoxSoinProthese_currentIndexChanged(const QString& text) {
    if (!soinsProtheseModel)
        return;
    setAllVisitsType(text);
    columnfit::refit(ui->parVisiteTableView);
    filterAllVisits(ui->lineEditParVisite->text(), QStringLiteral("( Nom like '%"));
}

void MainWindow::on_comboBoxSoinProthese_activated(const QString& text) {
    setAllVisitsType(text);
    columnfit::refit(ui->parVisiteTableView);
    filterAllVisits(ui->lineEditParVisite->text(), QStringLiteral(" ( Nom like '%"));
}

void MainWindow::on_lineEditParVisite_returnPressed() {
    ui->parVisiteTableView->setFocus();
    ui->parVisiteTableView->selectRow(0);
}

void MainWindow::on_parVisiteTableView_activated(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const int patient = soinsProtheseModel->record(index.row()).value(QStringLiteral("Num")).toInt();
    qCDebug(lcTrace) << patient;
    setCurrentPatient(patient);
    ui->lineEditFiltreVisite->setFocus();
    ui->actionVisite->trigger();
}
