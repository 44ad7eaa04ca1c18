#include "commands.h"

#include "data/backupset.h"
#include "data/checkup.h"
#include "data/database.h"
#include "data/server.h"

#include <QFileInfo>
#include <QSqlDatabase>

namespace commands {

namespace {

int report(const checkup::Report& found) {
    for (const QString& line : checkup::describe(found))
        say(line);
    if (found.clean())
        say(QStringLiteral("Nothing to report"));
    return found.clean() ? 0 : 1;
}

int checkOpenOffice(const QString& office, bool fix) {
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    const checkup::Report found = checkup::run(db);
    const int status = report(found);
    if (!fix || !found.engineProblem.isEmpty() || !found.repairable())
        return status;
    // A repair rewrites what the office holds: a checked copy of it comes first.
    QString safety;
    const QString problem =
        database::safetyCopy(QFileInfo(office).absolutePath(), QStringLiteral("kelvora-before-repair-"), &safety);
    if (!problem.isEmpty())
        return fail(QStringLiteral("nothing was repaired: no safety copy could be made (%1)").arg(problem));
    say(QStringLiteral("Safety copy: %1").arg(safety));
    if (const QString failed = checkup::repair(db); !failed.isEmpty())
        return fail(QStringLiteral("the repair failed: %1").arg(failed));
    say(QStringLiteral("Repaired; checking again"));
    return report(checkup::run(db));
}

} // namespace

int check(const QStringList& arguments) {
    const bool fix = arguments.size() == 2 && arguments.at(1) == QLatin1String("--fix");
    if (arguments.size() != 1 && !fix)
        return 2;
    const QString& office = arguments.at(0);
    if (fix && server::isLocation(office))
        return fail(QStringLiteral("an office on a server keeps its indexes and sums itself; nothing to repair"));
    QString problem;
    int status = 1;
    if (openOffice(office, &problem))
        status = checkOpenOffice(office, fix);
    else
        fail(problem);
    database::closeDefaultConnection();
    return status;
}

} // namespace commands
