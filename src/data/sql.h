#pragma once

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariantList>

// The one way the program runs its own SQL text. Every statement goes through exec(), which adapts it to the
// engine, says whether it worked and reports a failure without the values in it; the statements themselves
// are written to the debug output only when the category kelvora.sql is on.
namespace sql {

// A typed text made safe for a single-quoted SQL literal: each single quote is doubled, NUL characters go.
QString quoted(const QString& text);

// The statement as the engine understands it: the [Table]![Column] form becomes [Table].[Column].
QString adapted(const QString& statement);

// The statement with every literal value (quoted text, number) shown as "?": what a failure may print
// without giving away what the user typed.
QString withoutValues(const QString& statement);

// What the engine said of a failure, without the lines that quote the row's values.
QString errorText(const QSqlError& error);

// Runs the statement on the query's connection; the query keeps the result for reading.
bool exec(QSqlQuery& query, const QString& statement);

// Runs the statement on the default connection when no result is needed.
bool exec(const QString& statement);

// Prepares a statement that carries "?" placeholders; bind the values, then call execPrepared().
bool prepare(QSqlQuery& query, const QString& statement);
bool execPrepared(QSqlQuery& query);

// What became of a statement that writes.
enum class Outcome {
    Done,    // written
    Changed, // not written: another workstation changed or deleted the row since it was read
    Busy,    // not written: another workstation held the database longer than the engine waits
    Failed,  // not written: the engine refused the statement
};

// The engine gave up waiting for the database that another connection holds.
bool isBusy(const QSqlError& error);
// The outcome of a failed statement.
Outcome failure(const QSqlError& error);

// Runs a statement that writes, with its "?" placeholders bound to the values in order.
Outcome write(const QString& statement, const QVariantList& values = {});

// Runs an UPDATE or DELETE whose text ends with its WHERE clause only while the row still holds the values
// it was read with: every field of `loaded` is compared with what is stored now. Changed when the row was
// changed or deleted meanwhile; then nothing is written.
Outcome writeIfUnchanged(const QString& statement, const QSqlRecord& loaded, const QVariantList& values = {});

// The row of a table as stored now, by its key column; an empty record when there is none.
QSqlRecord storedRow(const QString& table, const QString& keyColumn, const QVariant& key);

} // namespace sql
