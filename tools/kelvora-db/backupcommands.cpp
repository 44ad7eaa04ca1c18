#include "commands.h"

#include "data/backupset.h"
#include "data/database.h"
#include "data/server.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTextStream>

namespace commands {

namespace {

// A nightly job waits for a station that is making its own backup into the same folder.
constexpr int lockWaitMs = 120000;

} // namespace

bool openOffice(const QString& pathOrLocation, QString* problem) {
    if (!server::isLocation(pathOrLocation))
        *problem = database::checkFile(pathOrLocation);
    if (!problem->isEmpty())
        return false;
    QSqlDatabase db = database::addDefaultConnection();
    db.setDatabaseName(pathOrLocation);
    if (!database::open(db)) {
        *problem = QStringLiteral("%1 cannot be opened").arg(pathOrLocation);
        return false;
    }
    return true;
}

int fail(const QString& message) {
    QTextStream(stderr) << "kelvora-db: " << message << "\n";
    return 1;
}

void say(const QString& line) {
    QTextStream(stdout) << line << "\n";
}

int backup(const QStringList& arguments) {
    if (arguments.size() != 2)
        return 2;
    const QString& folder = arguments.at(1);
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot make the folder %1").arg(folder));
    QString problem;
    QString made;
    if (openOffice(arguments.at(0), &problem))
        problem = database::backupInto(folder, &made, lockWaitMs);
    database::closeDefaultConnection();
    if (!problem.isEmpty())
        return fail(QStringLiteral("no backup was made: %1").arg(problem));
    say(QStringLiteral("Backed up %1 to %2").arg(arguments.at(0), QDir::toNativeSeparators(made)));
    return 0;
}

int restore(const QStringList& arguments) {
    if (arguments.size() != 2)
        return 2;
    QString safety;
    const QString problem = database::restoreOffice(arguments.at(0), arguments.at(1), &safety);
    if (!safety.isEmpty())
        say(QStringLiteral("Safety copy of %1: %2").arg(arguments.at(1), QDir::toNativeSeparators(safety)));
    if (!problem.isEmpty())
        return fail(problem);
    say(QStringLiteral("Restored %1 into %2").arg(arguments.at(0), arguments.at(1)));
    return 0;
}

} // namespace commands
