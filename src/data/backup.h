#pragma once

#include <QString>

namespace database {

// Writes a consistent copy of the open office database (the default connection) to targetFile, whose folder
// must exist. The copy is made with the engine's online backup into a temporary file beside the target and
// only then renamed over it, so that a failed backup leaves the previous one in place.
// An office on a server is copied, in one consistent snapshot, into a new office file that takes the
// target's place in the same way. Returns why the backup failed, or an empty text.
QString backupTo(const QString& targetFile);

} // namespace database
