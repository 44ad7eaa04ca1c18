// The patient page: which patient is current, and the buttons that find, create, open and book him.

#include "mainwindow/mainwindow.h"

#include "ui_mainwindow.h"

#include "appointments/dialogpatientrv.h"
#include "appointments/dialogrendezvous.h"
#include "data/records.h"
#include "data/sql.h"
#include "patients/dialogaddupdatepatient.h"
#include "patients/dialogfindpatient.h"
#include "visits/dialogvisite.h"
#include "widgets/columnfit.h"

#include "data/listmodel.h"
#include "data/trace.h"
#include <QDate>
#include <QKeySequence>
#include <QSqlError>

int MainWindow::newestPatientNum() {
    return records::newestPatient().value(QStringLiteral("Num")).toInt();
}

void MainWindow::setCurrentPatient(int patientNum) {
    numPatient = patientNum;
    if (patientNum == 0) {
        numPatient = newestPatientNum();
        qCDebug(lcTrace) << "numPatient = " << numPatient;
    } else {
        qCDebug(lcTrace) << "numPatient " << patientNum;
    }
    remplirForm();
    patientFilter = QStringLiteral(" PatientNum = ") + QString::number(numPatient);
    // A search typed for the previous patient would no longer describe the list.
    const QSignalBlocker quiet(ui->lineEditFiltreVisite);
    ui->lineEditFiltreVisite->clear();
    columnfit::refit(ui->tableViewVisite);
    refreshVisitList(QString());
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::remplirForm() {
    sql::exec(queryPatient, QStringLiteral("select * from Patients where num=") + QString::number(numPatient));
    patientName = queryPatient.next() ? queryPatient.value(QStringLiteral("Nom")).toString() : QString();
    // The query is done with once its row is read: an open one would hold the database for as long as the
    // patient stays on show, and no other workstation could write.
    queryPatient.finish();
    qCDebug(lcTrace) << patientName;
    showPatientName();
}

void MainWindow::showPatientName() {
    // An ampersand in a name is shown as itself, not as a mnemonic; the button keeps answering F2.
    QString shown = patientName;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    ui->commandLinkButton->setText(shown);
    ui->commandLinkButton->setShortcut(QKeySequence(Qt::Key_F2));
}

void MainWindow::updateAges() {
    // Only the patients whose age changes are written: on most days none. An age is right when it and the
    // year of birth add up to this year; the index on that sum finds the others without reading every patient.
    const QString year = QString::number(QDate::currentDate().year());
    const QString age = year + QStringLiteral("-annee");
    const QString sum = QStringLiteral("Age + Annee");
    sql::exec(QStringLiteral("UPDATE Patients SET age=") + age + QStringLiteral(" WHERE ") + sum +
              QStringLiteral(" < ") + year + QStringLiteral(" OR ") + sum + QStringLiteral(" > ") + year +
              QStringLiteral(" OR (") + sum + QStringLiteral(" IS NULL AND age IS NOT ") + age + QLatin1Char(')'));
}

void MainWindow::on_pushButtonNewPatient_clicked() {
    {
        DialogAddUpdatePatient form(0, userId, role.name());
        form.exec();
    }
    const int newest = newestPatientNum();
    qCDebug(lcTrace) << "numPatient" << newest;
    setCurrentPatient(newest);
}

void MainWindow::on_commandLinkButton_clicked() {
    qCDebug(lcTrace) << "F4";
    bool accepted = false;
    {
        DialogAddUpdatePatient form(numPatient, userId, role.name());
        accepted = form.exec() == QDialog::Accepted;
    }
    if (accepted)
        setCurrentPatient(numPatient);
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::runPatientSearch() {
    DialogFindPatient search(userId);
    // Accepting without a chosen row keeps the current patient.
    if (search.exec() == QDialog::Accepted && search.selectedPatientNum() > 0)
        numPatient = search.selectedPatientNum();
}

void MainWindow::on_commandLinkButton_2_clicked() {
    runPatientSearch();
    visitPanel->clearVisite();
    setCurrentPatient(numPatient);
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::selectRechercheTab() {
    runPatientSearch();
    setCurrentPatient(numPatient);
    ui->lineEditFiltreVisite->setFocus();
}

void MainWindow::on_newRendezVousBtn_clicked() {
    bool accepted = false;
    {
        DialogPatientRV booking(userId, numPatient, 0);
        accepted = booking.exec() == QDialog::Accepted;
    }
    if (accepted) {
        rendezvousModel->select();
        ui->tousRendezvousTableView->resizeColumnsToContents();
    }
}

void MainWindow::on_listeRendezVousBtn_clicked() {
    {
        DialogRendezVous appointments(numPatient, role.value(), userId);
        appointments.exec();
    }
    rendezvousModel->select();
    refreshAppointments();
}
