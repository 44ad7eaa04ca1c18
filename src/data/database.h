#pragma once

#include <QSqlDatabase>
#include <QString>

// The office database: one SQLite file, reached on the default connection. Start-up hands over an
// ODBC-style connection string ("Driver={...};Dbq=<path>;"); the file is the one named by its Dbq field.
namespace database {

// How long a statement waits for a database that another workstation holds, in milliseconds.
constexpr int BusyTimeoutMs = 3000;

// The pages of the file a connection keeps in memory, in KiB. A search reads the same index and table pages
// at every key; on an office of twenty years they hold far more than the engine keeps by default.
constexpr int PageCacheKiB = 32768;

// The path held in the Dbq= field of a connection string; a string without that field is taken as a path.
QString pathFromConnectionString(const QString& connectionString);

// Why an office file cannot be opened, or an empty text when it can.
QString checkFile(const QString& path);

// Registers the default connection on the SQLite driver (replacing an earlier one) and returns it.
QSqlDatabase addDefaultConnection();

// Opens the file named by the connection's database name (a connection string or a path). A missing file,
// one that cannot be read and written, or one that is not an SQLite database fails; no file is ever created.
// A server location in its place (see server.h) opens that server instead, replacing db by a connection of
// the same name on it; a server that cannot be reached fails like a missing file.
// The password has no meaning for SQLite and is ignored. On success the connection speaks the program's
// SQL dialect, and a file made by an earlier version has been brought up to date.
bool open(QSqlDatabase& db);

// The file of the open default connection, or an empty text (also for a server).
QString openFilePath();

// Teaches an open SQLite connection the dialect of the program's statements.
bool installDialect(QSqlDatabase& db);

// Closes and forgets the default connection.
void closeDefaultConnection();

} // namespace database
