#include "data/database.h"
#include "data/recalls.h"

#include "data/schema.h"
#include "data/server.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>

Q_LOGGING_CATEGORY(lcDatabase, "kelvora.database")

namespace database {

QString pathFromConnectionString(const QString& connectionString) {
    const QString key = QStringLiteral("dbq=");
    const int start = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0)
        return connectionString;
    const int from = start + key.size();
    const int end = connectionString.indexOf(QLatin1Char(';'), from);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

QString checkFile(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no database file given");
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1 does not exist").arg(path);
    if (!info.isFile())
        return QStringLiteral("%1 is not a file").arg(path);
    if (!info.isReadable() || !info.isWritable())
        return QStringLiteral("%1 cannot be read and written").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
    static const QByteArray header("SQLite format 3\0", 16);
    if (file.read(header.size()) != header)
        return QStringLiteral("%1 is not an SQLite database").arg(path);
    return {};
}

QSqlDatabase addDefaultConnection() {
    if (QSqlDatabase::contains(QSqlDatabase::defaultConnection))
        closeDefaultConnection();
    return QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
}

bool open(QSqlDatabase& db) {
    if (server::isServer(db))
        return db.open(); // a server connection closed earlier opens again where it was
    const QString path = pathFromConnectionString(db.databaseName());
    if (server::isLocation(path))
        return server::open(db, path);
    const QString problem = checkFile(path);
    if (!problem.isEmpty()) {
        qCWarning(lcDatabase).noquote() << "Cannot open the database:" << problem;
        return false;
    }
    db.setDatabaseName(path);
    // A workstation that finds the file held by another one waits this long before it gives up; every
    // statement of the program is short, so a few seconds cover any other station's save.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open()) {
        qCWarning(lcDatabase).noquote() << "Cannot open the database:" << db.lastError().text();
        return false;
    }
    QSqlQuery cacheSize(db);
    if (!cacheSize.exec(QStringLiteral("PRAGMA cache_size = -%1").arg(PageCacheKiB)))
        qCWarning(lcDatabase).noquote() << "The page cache keeps its default size:" << cacheSize.lastError().text();
    if (!installDialect(db)) {
        qCWarning(lcDatabase) << "The database engine refused the program's SQL dialect";
        db.close();
        return false;
    }
    // The windows rely on the search index and the views of this version.
    if (!schema::update(db)) {
        db.close();
        return false;
    }
    if (!recalls::install(db))
        qCWarning(lcDatabase) << "The recall marks cannot be kept in this file";
    return true;
}

QString openFilePath() {
    if (!QSqlDatabase::contains(QSqlDatabase::defaultConnection))
        return {};
    const QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    return db.isOpen() && !server::isServer(db) ? db.databaseName() : QString();
}

void closeDefaultConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
}

} // namespace database
