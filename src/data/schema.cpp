#include "data/schema.h"
#include "data/sqlitehandle.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcSchema, "kelvora.schema")

namespace schema {

namespace {

// Raised whenever lists.sql changes, so that the files of earlier versions get it again.
constexpr int listsVersion = 4;

QByteArray resource(const QString& name) {
    QFile file(QStringLiteral(":/data/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray listsStatements() {
    const QByteArray lists = resource(QStringLiteral("lists.sql"));
    return lists.isEmpty() ? lists : lists + "\nPRAGMA user_version = " + QByteArray::number(listsVersion) + ";\n";
}

// Runs the statements in one transaction; returns what went wrong, or an empty text.
QString runAll(sqlite3* db, const QByteArray& statements) {
    char* message = nullptr;
    const QByteArray text = "BEGIN;\n" + statements + "\nCOMMIT;";
    if (sqlite3_exec(db, text.constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return {};
    const QString error = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    if (!sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return error;
}

int userVersion(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        version = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    return version;
}

} // namespace

QString text() {
    return QString::fromUtf8(resource(QStringLiteral("schema.sql")) + "\n" + resource(QStringLiteral("lists.sql")));
}

QString createDatabaseFile(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no file given");
    if (QFileInfo::exists(path))
        return QStringLiteral("%1 already exists").arg(path);
    const QByteArray tables = resource(QStringLiteral("schema.sql"));
    const QByteArray lists = listsStatements();
    if (tables.isEmpty() || lists.isEmpty())
        return QStringLiteral("the schema is missing from the program");

    sqlite3* db = nullptr;
    const QByteArray fileName = path.toUtf8();
    if (sqlite3_open_v2(fileName.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const QString error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return error;
    }
    const QString error = runAll(db, tables + "\n" + lists);
    sqlite3_close(db);
    if (!error.isEmpty())
        QFile::remove(path);
    return error;
}

bool update(QSqlDatabase& db) {
    sqlite3* connection = database::sqliteHandle(db);
    if (!connection)
        return false;
    if (userVersion(connection) >= listsVersion)
        return true;
    QElapsedTimer timer;
    timer.start();
    const QString error = runAll(connection, listsStatements());
    if (!error.isEmpty()) {
        qCWarning(lcSchema).noquote() << "The office file could not be brought up to date:" << error;
        return false;
    }
    qCInfo(lcSchema) << "Office file brought up to date in" << timer.elapsed() << "ms";
    return true;
}

} // namespace schema
