// The way from the main window to the day grid: a tool bar action beside the appointment book's, and a
// button on the appointment book's page.

#include "mainwindow/mainwindow.h"

#include "ui_mainwindow.h"

#include "appointments/appointmentgrid.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QToolBar>

namespace {

QBoxLayout* layoutHolding(QWidget* area, QWidget* widget) {
    for (QBoxLayout* layout : area->findChildren<QBoxLayout*>())
        if (layout->indexOf(widget) >= 0)
            return layout;
    return nullptr;
}

} // namespace

void MainWindow::addAppointmentGrid() {
    gridAction = new QAction(QIcon(QStringLiteral(":/icons/Calendar.png")), QString(), this);
    gridAction->setObjectName(QStringLiteral("actionGrilleRendezvous"));
    gridAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    const QList<QAction*> actions = ui->toolBar->actions();
    const qsizetype planning = actions.indexOf(ui->actionTous_les_Rendez_vous);
    ui->toolBar->insertAction(planning >= 0 && planning + 1 < actions.size() ? actions.at(planning + 1) : nullptr,
                              gridAction);
    connect(gridAction, &QAction::triggered, this, &MainWindow::openAppointmentGrid);

    gridButton = new QPushButton(QIcon(QStringLiteral(":/icons/Calendar.png")), QString(), ui->groupBox_7);
    gridButton->setObjectName(QStringLiteral("gridButton"));
    gridButton->setMinimumSize(ui->imprimerTousRVBtn->minimumSize());
    if (QBoxLayout* row = layoutHolding(ui->groupBox_7, ui->imprimerTousRVBtn))
        row->insertWidget(row->indexOf(ui->imprimerTousRVBtn) + 1, gridButton);
    connect(gridButton, &QPushButton::clicked, this, &MainWindow::openAppointmentGrid);
    retranslateAppointmentGrid();
}

void MainWindow::retranslateAppointmentGrid() {
    if (!gridAction)
        return;
    gridAction->setText(tr("Grille"));
    gridAction->setIconText(tr("Grille du jour"));
    const QString tip = tr("La grille des rendez-vous du jour (Ctrl+F6)");
    gridAction->setToolTip(tip);
    gridAction->setStatusTip(tip);
    gridButton->setText(tr("&Grille du jour"));
    gridButton->setToolTip(tip);
    gridButton->setStatusTip(tip);
}

void MainWindow::openAppointmentGrid() {
    AppointmentGrid grid(userId, this);
    if (ui->checkBox->isChecked())
        grid.showDay(ui->dateEdit->date());
    grid.exec();
    refreshAppointments();
}
