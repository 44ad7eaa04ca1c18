#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The patients due back for a check-up, and what the office noted of calling them.
namespace recalls {

// The period after the last visit that makes a patient due, in months, unless the caller names another.
constexpr int DefaultMonths = 6;

// One patient due back. Never an amount nor a medical history: reception reads this list too.
struct Row {
    int patient = 0;
    QString name;
    QString telephone;
    QDate lastVisit;
    int daysOverdue = 0; // days since the patient became due; 0 for one due today
    QDate called;        // when the office last called him, or a null date
    QString note;        // what was said then
};

// Makes the table of the recall marks when the database has none yet. Returns false when the engine refuses.
bool install(const QSqlDatabase& db);

// The patients whose last visit was on or before `today` less `months` months, with no appointment from
// `today` on, and not marked "do not recall": the most overdue first, then by name.
QList<Row> due(int months = DefaultMonths, const QDate& today = QDate::currentDate());

// Notes that the patient was called today (or on `when`), with what was said.
bool markCalled(int patient, const QString& note, const QDate& when = QDate::currentDate());

// Leaves the patient out of every later list.
bool setDoNotRecall(int patient, bool doNotRecall = true);

// The rows as CSV: a header row, fields quoted where they need it, lines ending in CRLF, UTF-8.
QByteArray csv(const QList<Row>& rows);

} // namespace recalls
