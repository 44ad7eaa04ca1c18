#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The appointments of a few days as the day grid draws them, read by one short statement, and a cheap way
// to learn whether another workstation changed any of them since.
namespace appointmentday {

struct Appointment {
    int rvNum = 0;
    int patientNum = 0;
    QDateTime when;
    QVariant storedWhen; // RVDate as stored: a move writes only over this value
    QString doctor;      // the column Médecin; empty for no doctor
    QVariant storedDoctor;
    QString patientName;
    QString treatment;
    QString state;

    bool operator==(const Appointment& other) const;
};

// Every appointment from the first day to the last (both included), in the order of their time.
QVector<Appointment> read(const QDate& first, const QDate& last);

// The names of the office's doctors (users of a doctor's role), in the order of their names.
QStringList doctors();

// A value that changes whenever appointments of these days may have changed. Reading it costs far less
// than reading the days: on an office file nothing is read unless the file was written meanwhile.
QVariant changeMark(const QDate& first, const QDate& last);

} // namespace appointmentday
