#pragma once

#include <QDateTime>
#include <QString>

// What the print preview draws: the appointment list's date line, or a patient's prescription.
struct PrescriptionData {
    int patientNum = 0;
    QString patientName;
    int patientAge = 0;
    QString patientSex;
    QString patientAddress;
    QString bodyText;
    QString drNom;
    QString ordonnancePied;
    QString doctorAddress;
    QDateTime date;
};
