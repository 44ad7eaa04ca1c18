// The way from the main window to the day grid: its key, and a button on the appointment book's page.

#include "mainwindow/mainwindow.h"

#include "ui_mainwindow.h"

#include "appointments/appointmentgrid.h"
#include "appointments/recalllist.h"

#include <QBoxLayout>
#include <QPushButton>

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
    // The tool bar is full on a small screen: the action is reached by its key and the page's button.
    addAction(gridAction);
    connect(gridAction, &QAction::triggered, this, &MainWindow::openAppointmentGrid);

    gridButton = new QPushButton(QIcon(QStringLiteral(":/icons/Calendar.png")), QString(), ui->groupBox_7);
    gridButton->setObjectName(QStringLiteral("gridButton"));
    // The row is at its narrowest on a small screen already: the button gives way rather than widen the page.
    gridButton->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    if (QBoxLayout* row = layoutHolding(ui->groupBox_7, ui->imprimerTousRVBtn))
        row->insertWidget(row->indexOf(ui->imprimerTousRVBtn) + 1, gridButton);
    connect(gridButton, &QPushButton::clicked, this, &MainWindow::openAppointmentGrid);

    recallButton = new QPushButton(QString(), ui->groupBox_7);
    recallButton->setObjectName(QStringLiteral("recallButton"));
    recallButton->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    if (QBoxLayout* row = layoutHolding(ui->groupBox_7, gridButton))
        row->insertWidget(row->indexOf(gridButton) + 1, recallButton);
    connect(recallButton, &QPushButton::clicked, this, &MainWindow::openRecallList);
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
    recallButton->setText(tr("&Rappels"));
    recallButton->setToolTip(tr("Les patients à rappeler pour un contrôle"));
}

void MainWindow::openAppointmentGrid() {
    AppointmentGrid grid(userId, this);
    if (ui->checkBox->isChecked())
        grid.showDay(ui->dateEdit->date());
    grid.exec();
    refreshAppointments();
}

void MainWindow::openRecallList() {
    RecallList list(userId, this);
    list.exec();
    refreshAppointments();
}
