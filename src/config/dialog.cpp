#include "config/dialog.h"

#include "ui_dialog.h"

#include "app/windowgeometry.h"
#include "data/tablemodel.h"
#include "data/trace.h"
#include "widgets/columntitles.h"
#include "widgets/passworddelegate.h"
#include "widgets/savefailure.h"

#include <QEvent>
#include <QHeaderView>
#include <QMessageBox>
#include <QSqlError>
#include <QSqlRecord>
#include <QTableView>

Dialog::Dialog(int userRole, QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Dialog>()), role(userRole) {
    ui->setupUi(this);
    // Only the office's first role manages the users; the others see the tab, empty.
    if (!role.isFirstDoctor())
        ui->tableViewUser->hide();

    TableModel* users = attachTable(ui->tableViewUser, QStringLiteral("User"), 1);
    // Passwords are never shown; what is typed into a cell becomes the new password.
    ui->tableViewUser->setItemDelegateForColumn(users->fieldIndex(QStringLiteral("Password")),
                                                new PasswordDelegate(ui->tableViewUser));

    attachTable(ui->tableView, QStringLiteral("acte"), 2);
    const QList<QTableView*> sortable = {ui->tableViewMotif,      ui->tableViewDiagnostique, ui->tableViewTypeProthese,
                                         ui->tableViewMedicament, ui->tableViewAnteG,        ui->tableViewAnteL};
    const QStringList tables = {QStringLiteral("Motif"),        QStringLiteral("Diagnostique"),
                                QStringLiteral("TypeProthese"), QStringLiteral("Medicament"),
                                QStringLiteral("AntecedentsG"), QStringLiteral("AntecedentsL")};
    for (int i = 0; i < sortable.size(); ++i) {
        QTableView* view = sortable.at(i);
        attachTable(view, tables.at(i), 2);
        view->setAlternatingRowColors(true);
        // The list starts in the order of its key; a header click re-selects it ordered by that column.
        view->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
        view->setSortingEnabled(true);
    }

    ui->tableView->resizeColumnsToContents();
    ui->tableView->horizontalHeader()->setStretchLastSection(true);
    ui->tableView->setAlternatingRowColors(true);

    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Dialog::updateRowButtons);
    connect(ui->tabWidget_2, &QTabWidget::currentChanged, this, &Dialog::updateRowButtons);
    updateRowButtons();
    fitIntoScreen(this);
}

Dialog::~Dialog() = default;

TableModel* Dialog::attachTable(QTableView* view, const QString& table, int hiddenColumns) {
    auto* model = new TableModel(this);
    model->setTable(table);
    model->setSort(0, Qt::AscendingOrder);
    if (!model->select())
        qCWarning(lcTrace) << "select" << table << sql::errorText(model->lastError());
    view->setModel(model);
    setColumnTitles(model);
    for (int column = 0; column < hiddenColumns; ++column)
        view->hideColumn(column);
    view->resizeColumnsToContents();
    view->horizontalHeader()->setStretchLastSection(true);
    // Once the edit that was refused has closed: the box must not open from inside the view's commit.
    connect(
        model, &TableModel::writeRefused, this,
        [this](sql::Outcome outcome, const QStringList& stored) { savefailure::report(this, outcome, stored); },
        Qt::QueuedConnection);
    // A new row left without a word would hold the list's other edits back: leaving it gives it up.
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [model](const QModelIndex&, const QModelIndex& previous) {
                if (!previous.isValid() || !isUntouchedNewRow(model, previous.row()))
                    return;
                // Once the view has finished moving, so that the row does not go from under it.
                const QPersistentModelIndex left(previous);
                QMetaObject::invokeMethod(
                    model,
                    [model, left] {
                        if (left.isValid() && isUntouchedNewRow(model, left.row()))
                            model->revertRow(left.row());
                    },
                    Qt::QueuedConnection);
            });
    return model;
}

// A row added with the new-row button that is not yet written and into which nothing was typed.
bool Dialog::isUntouchedNewRow(const TableModel* model, int row) {
    return row >= 0 && row < model->rowCount() && model->isDirty(model->index(row, 0)) &&
           TableModel::holdsNothing(model->record(row));
}

void Dialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        for (QTableView* view : findChildren<QTableView*>())
            setColumnTitles(view->model());
    }
    QDialog::changeEvent(event);
}

void Dialog::on_pushButton_clicked() {
    accept();
}

// The list the two row buttons act on: the reference list on show, or the users for the first role.
QTableView* Dialog::currentView() const {
    if (ui->tabWidget_2->currentWidget() == ui->tab_9)
        return role.isFirstDoctor() ? ui->tableViewUser : nullptr;
    QWidget* page = ui->tabWidget->currentWidget();
    return page ? page->findChild<QTableView*>() : nullptr;
}

// The column a new row is typed into: the user's name, or the list text of a reference table.
int Dialog::textColumn(const QTableView* view) const {
    return view == ui->tableViewUser ? 1 : 2;
}

void Dialog::updateRowButtons() {
    const bool hasList = currentView() != nullptr;
    ui->pushButtonNouveau->setEnabled(hasList);
    ui->pushButtonSupprimer->setEnabled(hasList);
}

void Dialog::on_pushButtonNouveau_clicked() {
    QTableView* view = currentView();
    if (!view)
        return;
    auto* model = qobject_cast<TableModel*>(view->model());
    int row = model->rowCount() - 1;
    // The row added before and still empty is the one to type into; other pending edits are written first.
    if (!isUntouchedNewRow(model, row)) {
        if (model->isDirty() && !model->submitAll())
            qCWarning(lcTrace) << "submitAll" << model->tableName() << sql::errorText(model->lastError());
        row = model->rowCount();
        if (!model->insertRow(row)) {
            qCWarning(lcTrace) << "insertRow" << model->tableName() << sql::errorText(model->lastError());
            return;
        }
    }
    const QModelIndex cell = model->index(row, textColumn(view));
    view->setFocus();
    view->setCurrentIndex(cell);
    view->scrollTo(cell);
    view->edit(cell);
}

void Dialog::on_pushButtonSupprimer_clicked() {
    QTableView* view = currentView();
    if (!view)
        return;
    const QModelIndex current = view->currentIndex();
    if (!current.isValid())
        return;
    auto* model = qobject_cast<TableModel*>(view->model());
    const int row = current.row();
    const QString text = model->index(row, textColumn(view)).data().toString();
    const QMessageBox::StandardButton answer =
        QMessageBox::question(this, tr("Supprimer"), tr("Supprimer la ligne « %1 » de la liste ?").arg(text),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (!model->removeRow(row))
        qCWarning(lcTrace) << "removeRow" << model->tableName() << sql::errorText(model->lastError());
    model->select();
}
