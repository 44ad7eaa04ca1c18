#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The office check-up: the engine's own check first, then the office's rules (every act in a visit, every
// visit and appointment of a patient, balances, the kept receipts and the search indexes).
namespace checkup {

struct Finding {
    QString what;            // what is wrong, in a few words
    QStringList rows;        // the rows concerned ("Traitements.id 12"), the first of them when there are many
    qint64 count = 0;        // how many rows in all
    bool repairable = false; // rebuilt from the office's own rows by repair()
};

struct Report {
    QString engineProblem; // the engine's check failed: the rules were not looked at
    QList<Finding> findings;
    bool clean() const { return engineProblem.isEmpty() && findings.isEmpty(); }
    bool repairable() const;
};

// Looks the office open on db over. Writes nothing.
Report run(const QSqlDatabase& db);

// Rebuilds the search indexes and the kept receipts of an office file from its rows, in one transaction.
// The caller makes a checked backup first. Returns an empty text or what went wrong.
QString repair(const QSqlDatabase& db);

// The report as lines of text, one finding a line.
QStringList describe(const Report& report);

} // namespace checkup
