#include "data/schema.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace schema {

QString text() {
    QFile file(QStringLiteral(":/data/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString createDatabaseFile(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no file given");
    if (QFileInfo::exists(path))
        return QStringLiteral("%1 already exists").arg(path);
    const QString sql = text();
    if (sql.isEmpty())
        return QStringLiteral("the schema is missing from the program");

    sqlite3* db = nullptr;
    const QByteArray fileName = path.toUtf8();
    if (sqlite3_open_v2(fileName.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const QString error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return error;
    }
    char* message = nullptr;
    const QByteArray statements = "BEGIN;\n" + sql.toUtf8() + "\nCOMMIT;";
    const int rc = sqlite3_exec(db, statements.constData(), nullptr, nullptr, &message);
    QString error;
    if (rc != SQLITE_OK) {
        error = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
    }
    sqlite3_close(db);
    if (!error.isEmpty())
        QFile::remove(path);
    return error;
}

} // namespace schema
