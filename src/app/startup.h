#pragma once

#include <QString>

class QSettings;

// The program from start to end: translation, style, database connection, login and main window.
// Returns the process exit status.
int runKelvora(int& argc, char** argv);

namespace startup {

// The database file named by the program's settings store: the default path unless "s" deciphers to "s",
// then the path deciphered from "e" (empty when "e" is absent or does not decipher).
QString databasePath(QSettings& settings);

// The connection string handed to the database layer for that file.
QString connectionString(const QString& path);

// Registers the default connection for that file and opens it; on success foreign keys are switched on.
bool openDatabase(const QString& path);

// Everything after the application object exists: translation, style, connection, login, main window.
// Needs a QApplication; returns the exit status.
int run();

} // namespace startup
