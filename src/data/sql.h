#pragma once

#include <QSqlQuery>
#include <QString>

// The one way the program runs its own SQL text. Every statement goes through exec(), which adapts it to the
// engine, writes it with the database's error to the debug output and says whether it worked.
namespace sql {

// A typed text made safe for a single-quoted SQL literal: each single quote is doubled.
QString quoted(const QString& text);

// The statement as the engine understands it: the [Table]![Column] form becomes [Table].[Column].
QString adapted(const QString& statement);

// Runs the statement on the query's connection; the query keeps the result for reading.
bool exec(QSqlQuery& query, const QString& statement);

// Runs the statement on the default connection when no result is needed.
bool exec(const QString& statement);

// Prepares a statement that carries "?" placeholders; bind the values, then call execPrepared().
bool prepare(QSqlQuery& query, const QString& statement);
bool execPrepared(QSqlQuery& query);

} // namespace sql
