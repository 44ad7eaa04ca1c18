#include "receiptscommand.h"

#include "data/database.h"
#include "data/receiptsexport.h"
#include "data/server.h"
#include "data/serversecret.h"

#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QTextStream>

namespace {

int usage() {
    QTextStream(stderr) << "usage: kelvora-db receipts PATH|LOCATION --from DD-MM-YYYY --to DD-MM-YYYY "
                           "[--doctor ID] --csv\n";
    return 2;
}

int fail(const QString& message) {
    QTextStream(stderr) << "kelvora-db: " << server::scrubbed(message) << "\n";
    return 1;
}

} // namespace

int receiptsCommand(const QStringList& arguments) {
    if (arguments.isEmpty())
        return usage();
    const QString path = arguments.first();
    QDate first;
    QDate last;
    int doctor = 0;
    bool asCsv = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if ((option == QLatin1String("--from") || option == QLatin1String("--to")) && hasValue) {
            const QDate day = QDate::fromString(arguments.at(++i), QStringLiteral("dd-MM-yyyy"));
            if (!day.isValid())
                return usage();
            (option == QLatin1String("--from") ? first : last) = day;
        } else if (option == QLatin1String("--doctor") && hasValue) {
            bool ok = false;
            doctor = arguments.at(++i).toInt(&ok);
            if (!ok || doctor < 1)
                return usage();
        } else if (option == QLatin1String("--csv")) {
            asCsv = true;
        } else {
            return usage();
        }
    }
    if (!first.isValid() || !last.isValid() || !asCsv)
        return usage();
    if (last < first)
        return fail(QStringLiteral("the period ends before it begins"));

    QString problem = server::isLocation(path) ? QString() : database::checkFile(path);
    if (!problem.isEmpty())
        return fail(problem);
    QSqlDatabase db = database::addDefaultConnection();
    db.setDatabaseName(path);
    if (!database::open(db))
        return fail(QStringLiteral("%1 cannot be opened").arg(path));

    const receiptsexport::Period period = receiptsexport::read(first, last, doctor);
    if (!period.ok)
        return fail(QStringLiteral("the receipts cannot be read"));
    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly) || output.write(receiptsexport::csv(period)) < 0 || !output.flush())
        return fail(QStringLiteral("the receipts cannot be written"));
    return 0;
}
