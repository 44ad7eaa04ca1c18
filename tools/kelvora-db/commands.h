#pragma once

#include <QStringList>

// The commands of kelvora-db that keep an office safe; each returns the exit status.
namespace commands {

// backup OFFICE FOLDER
int backup(const QStringList& arguments);
// restore BACKUP TARGET
int restore(const QStringList& arguments);
// check OFFICE [--fix]
int check(const QStringList& arguments);

} // namespace commands

namespace commands {

// Opens the office file or server location as the default connection; false with the reason.
bool openOffice(const QString& pathOrLocation, QString* problem);
// Writes "kelvora-db: message" to the error output and returns 1.
int fail(const QString& message);
// Writes the line to the standard output.
void say(const QString& line);

} // namespace commands
