#pragma once

#include <QSqlDatabase>
#include <QString>

namespace schema {

// The schema of the office database as SQL text: the tables and views, then what keeps the lists quick.
QString text();

// Writes a new database file holding the schema. Refuses to overwrite an existing file.
// Returns an empty text on success, otherwise what went wrong.
QString createDatabaseFile(const QString& path);

// Adds to an open office file made by an earlier version what the lists now rely on (search index, indexes
// by day, views). A file that is up to date is left as it is. Returns false when the file could not be
// brought up to date; it is then left as it was.
bool update(QSqlDatabase& db);

} // namespace schema
