#pragma once

#include <QString>

struct sqlite3;

namespace database {

// Writes a consistent copy of the open office database (the default connection) to targetFile, whose folder
// must exist. The copy is made with the engine's online backup into a temporary file beside the target and
// only then renamed over it, so that a failed backup leaves the previous one in place.
// An office on a server is copied, in one consistent snapshot, into a new office file that takes the
// target's place in the same way. Returns why the backup failed, or an empty text.
QString backupTo(const QString& targetFile);

// Puts the finished file from in place of to (replacing it) in a single step.
QString replaceFile(const QString& from, const QString& to);

// Copies every page of the source connection's office into the file at path (made when missing).
QString copyPages(sqlite3* source, const QString& path);

} // namespace database
