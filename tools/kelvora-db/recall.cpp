#include "recall.h"

#include "data/database.h"
#include "data/recalls.h"
#include "data/server.h"
#include "data/serversecret.h"

#include <QFile>
#include <QTextStream>

// kelvora-db recall OFFICE [--months N] --csv: the patients due back, as the recall window lists them.
int recallCommand(const QStringList& arguments) {
    QTextStream err(stderr);
    QString office;
    int months = recalls::DefaultMonths;
    bool asCsv = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--csv")) {
            asCsv = true;
        } else if (argument == QLatin1String("--months") && i + 1 < arguments.size()) {
            bool ok = false;
            months = arguments.at(++i).toInt(&ok);
            if (!ok || months < 0 || months > 1200) {
                err << "--months takes a whole number of months\n";
                return 2;
            }
        } else if (office.isEmpty() && !argument.startsWith(QLatin1String("--"))) {
            office = argument;
        } else {
            office.clear();
            break;
        }
    }
    if (office.isEmpty() || !asCsv) {
        err << "usage: kelvora-db recall OFFICE [--months N] --csv\n";
        return 2;
    }
    if (!server::isLocation(office)) {
        const QString problem = database::checkFile(office);
        if (!problem.isEmpty()) {
            err << problem << "\n";
            return 1;
        }
    }
    int status = 0;
    {
        QSqlDatabase db = database::addDefaultConnection();
        db.setDatabaseName(office);
        if (!database::open(db)) {
            err << server::withoutPassword(office) << " cannot be opened\n";
            status = 1;
        } else {
            QFile out;
            if (!out.open(stdout, QIODevice::WriteOnly) || out.write(recalls::csv(recalls::due(months))) < 0)
                status = 1;
        }
    }
    database::closeDefaultConnection();
    return status;
}
