#pragma once

#include <QString>

namespace schema {

// The schema of the office database as SQL text.
QString text();

// Writes a new database file holding the schema. Refuses to overwrite an existing file.
// Returns an empty text on success, otherwise what went wrong.
QString createDatabaseFile(const QString& path);

} // namespace schema
