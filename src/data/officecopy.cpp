#include "data/officecopy.h"

#include "data/database.h"
#include "data/schema.h"
#include "data/server.h"
#include "data/sql.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace database {

namespace {

// Rows are read a page at a time, so that the pictures of a large office never all sit in memory at once.
constexpr int pageRows = 100;

QString quotedName(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString copyTable(QSqlDatabase& source, QSqlDatabase& target, const QString& table) {
    const QSqlRecord columns = source.record(table);
    if (columns.isEmpty())
        return QStringLiteral("the table %1 is missing from the source").arg(table);
    QStringList names;
    QStringList marks;
    for (int i = 0; i < columns.count(); ++i) {
        names << quotedName(columns.fieldName(i));
        marks << QStringLiteral("?");
    }
    const QString key = names.first();
    QSqlQuery insert(target);
    if (!sql::prepare(insert, QStringLiteral("insert into %1 (%2) values (%3)")
                                  .arg(quotedName(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
        return insert.lastError().text();

    qint64 last = -1;
    for (;;) {
        QSqlQuery page(source);
        page.setForwardOnly(true);
        if (!sql::exec(page, QStringLiteral("select * from %1 where %2 > %3 order by %2 limit %4")
                                 .arg(quotedName(table), key)
                                 .arg(last)
                                 .arg(pageRows)))
            return page.lastError().text();
        int rows = 0;
        while (page.next()) {
            ++rows;
            for (int i = 0; i < columns.count(); ++i)
                insert.bindValue(i, page.value(i));
            if (!sql::execPrepared(insert))
                return QStringLiteral("%1, row %2: %3").arg(table, page.value(0).toString(), insert.lastError().text());
            last = page.value(0).toLongLong();
        }
        if (rows < pageRows)
            return {};
    }
}

// Keys given by the copy: the server's counters go on after the highest one.
QString resetCounters(QSqlDatabase& target) {
    QString script;
    for (const QString& table : server::officeTables()) {
        const QString key = target.record(table).fieldName(0).toLower();
        script += QStringLiteral("SELECT setval(pg_get_serial_sequence('\"%1\"', '%2'), "
                                 "coalesce((SELECT max(\"%2\") FROM \"%1\"), 0) + 1, false);\n")
                      .arg(table.toLower(), key);
    }
    return server::execScript(target, script);
}

QString countRows(QSqlDatabase& source, QMap<QString, qint64>* rows) {
    for (const QString& table : server::officeTables()) {
        QSqlQuery count(source);
        if (!sql::exec(count, QStringLiteral("select count(*) from %1").arg(quotedName(table))) || !count.next())
            return QStringLiteral("cannot count the rows of %1: %2").arg(table, count.lastError().text());
        rows->insert(table, count.value(0).toLongLong());
    }
    return {};
}

QString copyRows(QSqlDatabase& source, QSqlDatabase& target) {
    if (server::isServer(target)) {
        const QString problem = server::createSchema(target);
        if (!problem.isEmpty())
            return problem;
    }
    for (const QString& table : server::officeTables()) {
        const QString problem = copyTable(source, target, table);
        if (!problem.isEmpty())
            return problem;
    }
    return server::isServer(target) ? resetCounters(target) : QString();
}

} // namespace

QSqlDatabase openConnection(const QString& connectionName, const QString& pathOrLocation) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(pathOrLocation);
    open(db);
    return db;
}

QString copyOffice(QSqlDatabase& source, const QString& pathOrLocation, QMap<QString, qint64>* sourceRows) {
    const bool toServer = server::isLocation(pathOrLocation);
    if (!toServer) {
        const QString problem = schema::createDatabaseFile(pathOrLocation);
        if (!problem.isEmpty())
            return problem;
    }
    const QString connectionName = QStringLiteral("kelvora-copy");
    QString problem;
    {
        QSqlDatabase target = openConnection(connectionName, pathOrLocation);
        // One snapshot of the source: rows written meanwhile by other stations are either all in or all out.
        QSqlQuery snapshot(source);
        if (!target.isOpen()) {
            problem = QStringLiteral("%1 cannot be opened").arg(pathOrLocation);
        } else if (!(server::isServer(source)
                         ? sql::exec(snapshot,
                                     QStringLiteral("START TRANSACTION ISOLATION LEVEL REPEATABLE READ READ ONLY"))
                         : source.transaction())) {
            problem = QStringLiteral("cannot read the office: %1").arg(snapshot.lastError().text());
        } else {
            if (!target.transaction())
                problem = QStringLiteral("cannot write the copy: %1").arg(target.lastError().text());
            if (problem.isEmpty() && sourceRows)
                problem = countRows(source, sourceRows);
            if (problem.isEmpty())
                problem = copyRows(source, target);
            if (problem.isEmpty() && !target.commit())
                problem = target.lastError().text();
            if (!problem.isEmpty())
                target.rollback();
            else if (toServer)
                problem = server::analyze(target);
            source.rollback(); // nothing was written there
        }
        target.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!problem.isEmpty() && !toServer)
        QFile::remove(pathOrLocation);
    return problem;
}

QString replaceOfficeRows(QSqlDatabase& source, QSqlDatabase& target) {
    if (!server::isServer(target))
        return QStringLiteral("rows are replaced on a server only");
    if (!target.transaction())
        return QStringLiteral("cannot write the office: %1").arg(target.lastError().text());
    QStringList tables;
    for (const QString& table : server::officeTables())
        tables << quotedName(table.toLower());
    QString problem = server::execScript(target, QStringLiteral("TRUNCATE %1").arg(tables.join(QLatin1Char(','))));
    for (const QString& table : server::officeTables()) {
        if (problem.isEmpty())
            problem = copyTable(source, target, table);
    }
    if (problem.isEmpty())
        problem = resetCounters(target);
    if (problem.isEmpty() && !target.commit())
        problem = target.lastError().text();
    if (!problem.isEmpty()) {
        target.rollback();
        return problem;
    }
    return server::analyze(target);
}

} // namespace database
