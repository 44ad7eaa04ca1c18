#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// The receipts of a period as rows to hand on (a spreadsheet, a printed page, the command line): the days
// and the patients of one doctor or of every doctor, read the same way by the receipts window and the tool.
namespace receiptsexport {

struct Row {
    QDate day;       // a day row; invalid for a patient row
    QString patient; // a patient row; empty for a day row
    QString doctor;
    qint64 fee = 0;
    qint64 payment = 0;
    qint64 balance() const { return fee - payment; }
};

struct Period {
    QList<Row> days;     // by day, then doctor
    QList<Row> patients; // by name, then doctor: what each patient was charged and paid in the period
    qint64 fees = 0;
    qint64 payments = 0;
    bool ok = true;
};

// The receipts from the first to the last day, both included; doctor 0 stands for every doctor.
Period read(const QDate& first, const QDate& last, int doctor);

// The period as CSV: a header row, then one row per day, per patient and the total, fields quoted where
// they need it, lines ended by CR LF, UTF-8, amounts as whole numbers.
QByteArray csv(const Period& period);

} // namespace receiptsexport
