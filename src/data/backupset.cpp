#include "data/backupset.h"

#include "data/backup.h"
#include "data/database.h"
#include "data/officecopy.h"
#include "data/server.h"
#include "data/sql.h"
#include "data/sqlitehandle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <functional>

#include <sqlite3.h>

#include <chrono>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace database {

namespace {

constexpr char stampFormat[] = "yyyy-MM-dd-HHmmss";
constexpr char temporaryPrefix[] = "kelvora-backup-";
constexpr char lockName[] = "kelvora-backup.lock";
constexpr int keptDays = 7;
constexpr int keptWeeks = 5;
constexpr int keptMonths = 12;
// No backup takes this long: a lock left older than this by a station that is gone is taken over.
constexpr std::chrono::hours lockLifetime{2};

const QRegularExpression& datedName() {
    static const QRegularExpression pattern(QStringLiteral("^kelvora-(\\d{4}-\\d{2}-\\d{2}-\\d{6})\\.mdb$"));
    return pattern;
}

QString inFolder(const QString& folder, const QString& name) {
    return QDir(folder).absoluteFilePath(name);
}

// A fresh name for a temporary file in the folder; the file itself is left to whoever writes it.
QString temporaryName(const QString& folder, QString* problem) {
    QTemporaryFile file(inFolder(folder, QLatin1String(temporaryPrefix) + QStringLiteral("XXXXXX.tmp")));
    if (!file.open()) {
        *problem = QStringLiteral("cannot write in %1: %2").arg(folder, file.errorString());
        return {};
    }
    return file.fileName();
}

void removeTemporary(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// Makes what was written to the file, and the folder entry that names it, survive a power cut.
void flushToDisk(const QString& path) {
#ifndef Q_OS_WIN
    for (const QString& name : {path, QFileInfo(path).absolutePath()}) {
        const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
#else
    Q_UNUSED(path);
#endif
}

// The file of a connection on an office file.
QString openPathOf(const QSqlDatabase& db) {
    sqlite3* handle = sqliteHandle(db);
    const char* name = handle ? sqlite3_db_filename(handle, "main") : nullptr;
    return name ? QString::fromUtf8(name) : QString();
}

QString text(const unsigned char* value) {
    return value ? QString::fromUtf8(reinterpret_cast<const char*>(value)) : QString();
}

// The tables whose rows a file holds (the search indexes' own tables included, virtual tables aside).
constexpr char tablesStatement[] =
    "select name from sqlite_master where type = 'table' and coalesce(sql, '') not like 'CREATE VIRTUAL%'";

QString countTables(sqlite3* db, QMap<QString, qint64>* rows) {
    sqlite3_stmt* names = nullptr;
    if (sqlite3_prepare_v2(db, tablesStatement, -1, &names, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    QStringList tables;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(names)) == SQLITE_ROW)
        tables << text(sqlite3_column_text(names, 0));
    sqlite3_finalize(names);
    if (rc != SQLITE_DONE)
        return QString::fromUtf8(sqlite3_errmsg(db));
    for (const QString& table : tables) {
        const QByteArray statement = QStringLiteral("select count(*) from \"%1\"").arg(table).toUtf8();
        sqlite3_stmt* count = nullptr;
        if (sqlite3_prepare_v2(db, statement.constData(), -1, &count, nullptr) != SQLITE_OK ||
            sqlite3_step(count) != SQLITE_ROW) {
            const QString problem = QStringLiteral("%1: %2").arg(table, QString::fromUtf8(sqlite3_errmsg(db)));
            sqlite3_finalize(count);
            return problem;
        }
        rows->insert(table.toLower(), sqlite3_column_int64(count, 0));
        sqlite3_finalize(count);
    }
    return {};
}

QString integrityProblem(sqlite3* db) {
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    QStringList messages;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(check)) == SQLITE_ROW) {
        const QString message = text(sqlite3_column_text(check, 0));
        if (message != QLatin1String("ok"))
            messages << message;
    }
    sqlite3_finalize(check);
    if (rc != SQLITE_DONE)
        messages << QString::fromUtf8(sqlite3_errmsg(db));
    constexpr int shownMessages = 5;
    if (messages.size() > shownMessages) {
        const qsizetype more = messages.size() - shownMessages;
        messages = messages.mid(0, shownMessages);
        messages << QStringLiteral("and %1 more").arg(more);
    }
    return messages.join(QStringLiteral("; "));
}

// Why the rows of the copy are not those counted in the office, or an empty text. Only the tables counted
// in the office are compared: a copy onto a file also has the file's own tables.
QString rowsProblem(const QMap<QString, qint64>& office, const QMap<QString, qint64>& copy) {
    for (auto it = office.cbegin(); it != office.cend(); ++it) {
        const QString table = it.key().toLower();
        if (!copy.contains(table))
            return QStringLiteral("the table %1 is missing from the copy").arg(it.key());
        if (copy.value(table) != it.value())
            return QStringLiteral("the table %1 holds %2 rows in the copy and %3 in the office")
                .arg(it.key())
                .arg(copy.value(table))
                .arg(it.value());
    }
    return {};
}

QMap<QString, qint64> lowered(const QMap<QString, qint64>& rows) {
    QMap<QString, qint64> result;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        result.insert(it.key().toLower(), it.value());
    return result;
}

// Reads the office of a file connection and copies its pages, both in one read transaction, so that the
// counts are those of the pages copied.
QString copyFileOffice(QSqlDatabase& source, const QString& temporary, QMap<QString, qint64>* rows) {
    sqlite3* handle = sqliteHandle(source);
    if (!handle)
        return QStringLiteral("no office database is open");
    if (sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return QStringLiteral("cannot read the office: %1").arg(QString::fromUtf8(sqlite3_errmsg(handle)));
    QString problem = countTables(handle, rows);
    if (!problem.isEmpty())
        problem = QStringLiteral("the office is damaged (%1)").arg(problem);
    else
        problem = copyPages(handle, temporary);
    sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    return problem;
}

// Writes a copy of the office open on source under a temporary name in the folder, checks it, and gives it
// the final name (which must be free). Nothing but that file is left in the folder.
QString writeCheckedCopy(QSqlDatabase& source, const QString& folder, const QString& finalPath) {
    QString problem;
    const QString temporary = temporaryName(folder, &problem);
    if (!problem.isEmpty())
        return problem;
    QMap<QString, qint64> officeRows;
    if (server::isServer(source)) {
        QFile::remove(temporary); // the copy makes the file itself
        problem = copyOffice(source, temporary, &officeRows);
    } else {
        problem = copyFileOffice(source, temporary, &officeRows);
    }
    QMap<QString, qint64> copyRows;
    if (problem.isEmpty()) {
        problem = checkOfficeFile(temporary, &copyRows);
        if (!problem.isEmpty()) {
            // The pages are copied as they stand: a damaged copy is most often a damaged office.
            const QString office = server::isServer(source) ? QString() : checkOfficeFile(openPathOf(source));
            problem = office.isEmpty() ? QStringLiteral("the copy fails its check (%1)").arg(problem)
                                       : QStringLiteral("the office is damaged (%1)").arg(office);
        }
    }
    if (problem.isEmpty())
        problem = rowsProblem(lowered(officeRows), copyRows);
    if (problem.isEmpty()) {
        flushToDisk(temporary);
        if (QFileInfo::exists(finalPath))
            problem = QStringLiteral("%1 exists already").arg(finalPath);
        else
            problem = replaceFile(temporary, finalPath);
    }
    if (!problem.isEmpty())
        removeTemporary(temporary);
    else
        flushToDisk(finalPath);
    return problem;
}

// A free dated name in the folder for a copy made now.
QString freeDatedPath(const QString& folder, const QString& prefix) {
    QDateTime made = QDateTime::currentDateTime();
    for (;;) {
        const QString path = inFolder(folder, prefix + made.toString(QLatin1String(stampFormat)) + ".mdb");
        if (!QFileInfo::exists(path))
            return path;
        made = made.addSecs(1);
    }
}

// Puts a copy of the checked backup in place of data.mdb.
QString refreshNewestCopy(const QString& folder, const QString& backup) {
    QString problem;
    const QString temporary = temporaryName(folder, &problem);
    if (!problem.isEmpty())
        return problem;
    QFile::remove(temporary);
    if (!QFile::copy(backup, temporary))
        problem = QStringLiteral("cannot write %1").arg(temporary);
    else if (QFileInfo(temporary).size() != QFileInfo(backup).size())
        problem = QStringLiteral("%1 was not written whole").arg(temporary);
    if (problem.isEmpty()) {
        flushToDisk(temporary);
        problem = replaceFile(temporary, inFolder(folder, QLatin1String(newestCopyName)));
    }
    if (!problem.isEmpty())
        removeTemporary(temporary);
    return problem;
}

// Files that a backup killed part way left behind; only called with the folder's lock held.
void removeLeftovers(const QString& folder) {
    const QStringList names = QDir(folder).entryList(
        {QLatin1String(temporaryPrefix) + QLatin1Char('*'), QLatin1String(newestCopyName) + QStringLiteral(".??????")},
        QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        QFile::remove(inFolder(folder, name));
}

// Copies the pages of the file at from into the office of the connection target, in one write transaction.
QString restorePages(const QString& from, sqlite3* target) {
    sqlite3* source = nullptr;
    QString problem;
    if (sqlite3_open_v2(QFile::encodeName(from).constData(), &source, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        problem = QString::fromUtf8(sqlite3_errmsg(source));
    } else if (sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main")) {
        int rc = SQLITE_OK;
        for (int attempt = 0; attempt * 100 < BusyTimeoutMs; ++attempt) {
            rc = sqlite3_backup_step(backup, -1);
            if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                break;
            QThread::msleep(100);
        }
        sqlite3_backup_finish(backup);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            problem = QStringLiteral("the office is in use by another station");
        else if (rc != SQLITE_DONE)
            problem = QString::fromUtf8(sqlite3_errstr(rc));
    } else {
        problem = QString::fromUtf8(sqlite3_errmsg(target));
    }
    sqlite3_close(source);
    return problem;
}

QString restoreIntoFile(QSqlDatabase& db, const QString& backupFile, const QMap<QString, qint64>& backupRows,
                        QString* safetyCopy) {
    const QString path = openPathOf(db);
    const QString folder = QFileInfo(path).absolutePath();
    QString safety = freeDatedPath(folder, QStringLiteral("kelvora-before-restore-"));
    QString problem = writeCheckedCopy(db, folder, safety);
    if (!problem.isEmpty() && !checkOfficeFile(path).isEmpty()) {
        // A damaged office, the very reason for most restores, cannot pass a check: it is kept aside as it
        // stands, byte for byte, for whatever can still be read from it.
        safety = freeDatedPath(folder, QStringLiteral("kelvora-damaged-before-restore-"));
        problem = QFile::copy(path, safety) && QFileInfo(safety).size() == QFileInfo(path).size()
                      ? QString()
                      : QStringLiteral("cannot write %1").arg(safety);
        if (problem.isEmpty())
            flushToDisk(safety);
        else
            QFile::remove(safety);
    }
    if (!problem.isEmpty())
        return QStringLiteral("no safety copy of %1 could be made (%2); nothing was restored").arg(path, problem);
    if (safetyCopy)
        *safetyCopy = safety;
    problem = restorePages(backupFile, sqliteHandle(db));
    if (!problem.isEmpty())
        return QStringLiteral("cannot restore into %1: %2").arg(path, problem);
    QMap<QString, qint64> restored;
    problem = checkOfficeFile(path, &restored);
    if (problem.isEmpty())
        problem = rowsProblem(backupRows, restored);
    if (!problem.isEmpty())
        return QStringLiteral("the restored office fails its check (%1); its safety copy is %2").arg(problem, safety);
    return {};
}

QString restoreIntoNewFile(const QString& backupFile, const QString& target, const QMap<QString, qint64>& rows) {
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder %1").arg(folder);
    QString problem;
    const QString temporary = temporaryName(folder, &problem);
    if (!problem.isEmpty())
        return problem;
    QFile::remove(temporary);
    if (!QFile::copy(backupFile, temporary))
        problem = QStringLiteral("cannot write %1").arg(temporary);
    QMap<QString, qint64> restored;
    if (problem.isEmpty())
        problem = checkOfficeFile(temporary, &restored);
    if (problem.isEmpty())
        problem = rowsProblem(rows, restored);
    if (problem.isEmpty()) {
        flushToDisk(temporary);
        problem = replaceFile(temporary, target);
    }
    if (!problem.isEmpty())
        removeTemporary(temporary);
    return problem;
}

bool serverIsEmpty(const QSqlDatabase& db, QString* problem) {
    QSqlQuery query(db);
    if (!sql::exec(query, QStringLiteral("select count(*) from information_schema.tables "
                                         "where table_schema = 'public'")) ||
        !query.next()) {
        *problem = query.lastError().text();
        return false;
    }
    return query.value(0).toInt() == 0;
}

// The row counts of the office tables on a server.
QString serverRows(const QString& location, QMap<QString, qint64>* rows) {
    const QString connectionName = QStringLiteral("kelvora-restore-count");
    QString problem;
    {
        QSqlDatabase db = server::addConnection(connectionName, location);
        if (!db.isOpen())
            problem = QStringLiteral("%1 cannot be reached").arg(location);
        for (const QString& table : server::officeTables()) {
            if (!problem.isEmpty())
                break;
            QSqlQuery count(db);
            if (!sql::exec(count, QStringLiteral("select count(*) from \"%1\"").arg(table)) || !count.next())
                problem = count.lastError().text();
            else
                rows->insert(table.toLower(), count.value(0).toLongLong());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return problem;
}

QString restoreIntoServer(QSqlDatabase& backup, const QString& backupFile, const QString& location,
                          const QMap<QString, qint64>& backupRows, QString* safetyCopy) {
    const QString connectionName = QStringLiteral("kelvora-restore-server");
    QString problem;
    bool empty = false;
    {
        QSqlDatabase target = server::addConnection(connectionName, location);
        if (!target.isOpen())
            problem = QStringLiteral("%1 cannot be reached").arg(location);
        else
            empty = serverIsEmpty(target, &problem);
        if (problem.isEmpty() && !empty) {
            const QString folder = QFileInfo(backupFile).absolutePath();
            const QString safety = freeDatedPath(folder, QStringLiteral("kelvora-before-restore-"));
            problem = writeCheckedCopy(target, folder, safety);
            if (!problem.isEmpty())
                problem = QStringLiteral("no safety copy of %1 could be made (%2); nothing was restored")
                              .arg(location, problem);
            else if (safetyCopy)
                *safetyCopy = safety;
            if (problem.isEmpty())
                problem = replaceOfficeRows(backup, target);
        }
        target.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (problem.isEmpty() && empty)
        problem = copyOffice(backup, location); // the tables come with the rows
    if (!problem.isEmpty())
        return QStringLiteral("cannot restore into %1: %2").arg(location, problem);
    QMap<QString, qint64> restored;
    problem = serverRows(location, &restored);
    QMap<QString, qint64> expected;
    for (const QString& table : server::officeTables())
        expected.insert(table.toLower(), backupRows.value(table.toLower()));
    if (problem.isEmpty())
        problem = rowsProblem(expected, restored);
    if (!problem.isEmpty())
        return QStringLiteral("the restored office fails its check (%1)").arg(problem);
    return {};
}

// Opens the backup file for reading only: a backup never changes, not even to be brought up to date.
QSqlDatabase openBackup(const QString& connectionName, const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    db.open();
    return db;
}

QString checkBackup(const QString& backupFile, QMap<QString, qint64>* rows) {
    const QString problem = checkOfficeFile(backupFile, rows);
    if (!problem.isEmpty())
        return QStringLiteral("the backup %1 fails its check (%2); nothing was restored").arg(backupFile, problem);
    return {};
}

} // namespace

QString checkOfficeFile(const QString& path, QMap<QString, qint64>* rows) {
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("%1 is not a file").arg(path);
    {
        QFile file(path);
        static const QByteArray header("SQLite format 3\0", 16);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        if (file.read(header.size()) != header)
            return QStringLiteral("%1 is not an office file").arg(path);
    }
    sqlite3* db = nullptr;
    QString problem;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        problem = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        sqlite3_busy_timeout(db, BusyTimeoutMs);
        problem = integrityProblem(db);
        QMap<QString, qint64> counted;
        if (problem.isEmpty())
            problem = countTables(db, &counted);
        if (problem.isEmpty() && !counted.contains(QStringLiteral("patients")))
            problem = QStringLiteral("%1 holds no office").arg(path);
        if (problem.isEmpty() && rows)
            *rows = counted;
    }
    sqlite3_close(db);
    return problem;
}

QString backupFileName(const QDateTime& made) {
    return QStringLiteral("kelvora-") + made.toString(QLatin1String(stampFormat)) + QStringLiteral(".mdb");
}

QList<BackupEntry> backupsIn(const QString& folder) {
    QList<BackupEntry> entries;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("kelvora-*.mdb")}, QDir::Files);
    for (const QFileInfo& file : files) {
        const QRegularExpressionMatch match = datedName().match(file.fileName());
        if (!match.hasMatch())
            continue;
        const QDateTime made = QDateTime::fromString(match.captured(1), QLatin1String(stampFormat));
        if (made.isValid())
            entries.append({file.absoluteFilePath(), made, file.size()});
    }
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return a.made > b.made; });
    return entries;
}

QList<BackupEntry> rotatedOut(const QList<BackupEntry>& backups) {
    QSet<QString> kept;
    // The newest of each period, for as many of the latest periods as are kept.
    const auto keepNewestOf = [&](int periods, const std::function<QString(const QDate&)>& period) {
        QSet<QString> seen;
        for (const BackupEntry& entry : backups) {
            const QString key = period(entry.made.date());
            if (seen.contains(key))
                continue;
            if (seen.size() == periods)
                break;
            seen.insert(key);
            kept.insert(entry.path);
        }
    };
    keepNewestOf(keptDays, [](const QDate& day) { return day.toString(Qt::ISODate); });
    keepNewestOf(keptWeeks, [](const QDate& day) {
        int year = 0;
        const int week = day.weekNumber(&year);
        return QStringLiteral("%1-%2").arg(year).arg(week);
    });
    keepNewestOf(keptMonths, [](const QDate& day) { return day.toString(QStringLiteral("yyyy-MM")); });
    QList<BackupEntry> removed;
    for (const BackupEntry& entry : backups)
        if (!kept.contains(entry.path))
            removed.append(entry);
    return removed;
}

QDateTime lastGoodBackup(const QString& folder) {
    const QList<BackupEntry> backups = backupsIn(folder);
    return backups.isEmpty() ? QDateTime() : backups.first().made;
}

bool backupDue(const QString& folder, const QDateTime& now) {
    const QDateTime last = lastGoodBackup(folder);
    return !last.isValid() || last.date() < now.date();
}

QString backupInto(const QString& folder, QString* made, int waitMs) {
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    if (!db.isOpen())
        return QStringLiteral("no office database is open");
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder);
    // Renaming a copy over the open file would cut the program off the data it goes on writing.
    const QFileInfo newest(inFolder(folder, QLatin1String(newestCopyName)));
    if (!server::isServer(db) && newest.exists() &&
        newest.canonicalFilePath() == QFileInfo(openFilePath()).canonicalFilePath())
        return QStringLiteral("%1 is the open database itself").arg(newest.filePath());

    QLockFile lock(inFolder(folder, QLatin1String(lockName)));
    lock.setStaleLockTime(lockLifetime);
    if (!lock.tryLock(std::chrono::milliseconds(waitMs)))
        return lock.error() == QLockFile::LockFailedError
                   ? QStringLiteral("another station is making a backup into %1").arg(folder)
                   : QStringLiteral("cannot write in %1").arg(folder);
    removeLeftovers(folder);

    const QString dated = freeDatedPath(folder, QStringLiteral("kelvora-"));
    QString problem = writeCheckedCopy(db, folder, dated);
    if (!problem.isEmpty())
        return problem;
    if (made)
        *made = dated;
    problem = refreshNewestCopy(folder, dated);
    if (!problem.isEmpty())
        return problem;
    for (const BackupEntry& old : rotatedOut(backupsIn(folder)))
        QFile::remove(old.path);
    return {};
}

QString safetyCopy(const QString& folder, const QString& prefix, QString* made) {
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    if (!db.isOpen())
        return QStringLiteral("no office database is open");
    const QString path = freeDatedPath(folder, prefix);
    const QString problem = writeCheckedCopy(db, folder, path);
    if (problem.isEmpty() && made)
        *made = path;
    return problem;
}

QString restoreOffice(const QString& backupFile, const QString& target, QString* safetyCopy) {
    QMap<QString, qint64> rows;
    if (const QString problem = checkBackup(backupFile, &rows); !problem.isEmpty())
        return problem;
    const QString sourceName = QStringLiteral("kelvora-restore-source");
    QString problem;
    if (server::isLocation(target)) {
        {
            QSqlDatabase backup = openBackup(sourceName, backupFile);
            problem = backup.isOpen() ? restoreIntoServer(backup, backupFile, target, rows, safetyCopy)
                                      : QStringLiteral("%1 cannot be opened").arg(backupFile);
            backup.close();
        }
        QSqlDatabase::removeDatabase(sourceName);
        return problem;
    }
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(backupFile).canonicalFilePath())
        return QStringLiteral("%1 is the backup itself").arg(target);
    if (!QFileInfo::exists(target))
        return restoreIntoNewFile(backupFile, target, rows);
    if (const QString targetProblem = checkFile(target); !targetProblem.isEmpty())
        return QStringLiteral("%1; it is left as it is").arg(targetProblem);
    const QString targetName = QStringLiteral("kelvora-restore-target");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), targetName);
        db.setDatabaseName(target);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        problem = db.open() ? restoreIntoFile(db, backupFile, rows, safetyCopy)
                            : QStringLiteral("%1 cannot be opened").arg(target);
        db.close();
    }
    QSqlDatabase::removeDatabase(targetName);
    return problem;
}

QString restoreOpenOffice(const QString& backupFile, QString* safetyCopy) {
    const QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    if (!db.isOpen())
        return QStringLiteral("no office database is open");
    if (server::isServer(db)) {
        QUrl location;
        location.setScheme(QStringLiteral("postgresql"));
        location.setUserName(db.userName());
        location.setPassword(db.password());
        location.setHost(db.hostName());
        location.setPort(db.port());
        location.setPath(QLatin1Char('/') + db.databaseName());
        return restoreOffice(backupFile, location.toString(), safetyCopy);
    }
    return restoreOffice(backupFile, openFilePath(), safetyCopy);
}

} // namespace database
