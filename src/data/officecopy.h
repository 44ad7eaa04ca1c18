#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>

// Copying a whole office from one database to another: a file to a server, a server to a file (the backup
// of a server office), or any other pair.
namespace database {

// Opens a connection of its own name on an office file or a server location, as open() does for the
// default connection. Check isOpen().
QSqlDatabase openConnection(const QString& connectionName, const QString& pathOrLocation);

// Makes a new office at pathOrLocation (a new file, or an empty database on a server) holding a copy of
// every row of every table of the office open on source, pictures included and keys kept. The source is
// read in one consistent snapshot; the copy is written in one transaction, and a failed copy leaves nothing
// behind (no file, an empty server database). Refuses an existing file and a server database that holds
// anything. When sourceRows is given, it receives every copied table's row count in the snapshot read.
// Returns an empty text or what went wrong.
QString copyOffice(QSqlDatabase& source, const QString& pathOrLocation, QMap<QString, qint64>* sourceRows = nullptr);

// Replaces every row of the office on the server connection target by those of source, in one transaction
// (the counters go on after the highest key copied). Returns an empty text or what went wrong.
QString replaceOfficeRows(QSqlDatabase& source, QSqlDatabase& target);

} // namespace database
