#pragma once

#include <QSqlDatabase>

struct sqlite3;

namespace database {

// The SQLite connection behind an open connection of the SQLite driver; null for any other.
sqlite3* sqliteHandle(const QSqlDatabase& db);

} // namespace database
