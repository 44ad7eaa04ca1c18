#include "data/backup.h"
#include "data/sqlitehandle.h"

#include "data/database.h"
#include "data/officecopy.h"
#include "data/server.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTemporaryFile>

#include <sqlite3.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#endif

namespace database {

namespace {

sqlite3* openHandle() {
    return sqliteHandle(QSqlDatabase::database(QSqlDatabase::defaultConnection, false));
}

} // namespace

QString replaceFile(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    if (!MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                     reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return QStringLiteral("cannot replace %1 (error %2)").arg(to).arg(GetLastError());
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return QStringLiteral("cannot replace %1: %2").arg(to, QString::fromLocal8Bit(std::strerror(errno)));
#endif
    return {};
}

// Copies every page of the source into the empty file at path.
QString copyPages(sqlite3* source, const QString& path) {
    sqlite3* target = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    QString problem;
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
        if (backup) {
            rc = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
            if (rc != SQLITE_DONE)
                problem = QString::fromUtf8(sqlite3_errstr(rc));
        } else {
            problem = QString::fromUtf8(sqlite3_errmsg(target));
        }
    } else {
        problem = target ? QString::fromUtf8(sqlite3_errmsg(target)) : QString::fromUtf8(sqlite3_errstr(rc));
    }
    if (sqlite3_close(target) != SQLITE_OK && problem.isEmpty())
        problem = QStringLiteral("the copy could not be closed");
    return problem.isEmpty() ? QString() : QStringLiteral("cannot write %1: %2").arg(path, problem);
}

namespace {

// Why a backup cannot be written under this name, or an empty text.
QString targetProblem(const QFileInfo& target) {
    if (target.fileName().isEmpty())
        return QStringLiteral("no backup file given");
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder);
    if (target.isDir())
        return QStringLiteral("%1 is a folder").arg(target.filePath());
    return {};
}

// A server office is copied, in one snapshot, into a new office file beside the target.
QString backupServerTo(const QString& targetFile) {
    const QFileInfo target(targetFile);
    if (const QString problem = targetProblem(target); !problem.isEmpty())
        return problem;
    const QString folder = target.absolutePath();
    QString temporaryPath;
    {
        QTemporaryFile name(folder + QLatin1Char('/') + target.fileName() + QStringLiteral(".XXXXXX"));
        if (!name.open())
            return QStringLiteral("cannot write in %1: %2").arg(folder, name.errorString());
        temporaryPath = name.fileName();
    } // the copy makes the file itself
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    QString problem = copyOffice(db, temporaryPath);
    if (problem.isEmpty())
        problem = replaceFile(temporaryPath, target.absoluteFilePath());
    if (!problem.isEmpty())
        QFile::remove(temporaryPath);
    return problem;
}

} // namespace

QString backupTo(const QString& targetFile) {
    if (server::isServer(QSqlDatabase::database(QSqlDatabase::defaultConnection, false)))
        return backupServerTo(targetFile);
    sqlite3* source = openHandle();
    if (!source)
        return QStringLiteral("no office database is open");
    const QFileInfo target(targetFile);
    if (const QString problem = targetProblem(target); !problem.isEmpty())
        return problem;
    const QString folder = target.absolutePath();
    // Renaming a copy over the open file would cut the program off the data it goes on writing.
    const QFileInfo open(openFilePath());
    if (target.exists() && target.canonicalFilePath() == open.canonicalFilePath())
        return QStringLiteral("%1 is the open database itself").arg(targetFile);

    QTemporaryFile temporary(folder + QLatin1Char('/') + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return QStringLiteral("cannot write in %1: %2").arg(folder, temporary.errorString());
    const QString temporaryPath = temporary.fileName();
    temporary.close();

    QString problem = copyPages(source, temporaryPath);
    if (problem.isEmpty())
        problem = replaceFile(temporaryPath, target.absoluteFilePath());
    if (problem.isEmpty())
        temporary.setAutoRemove(false); // the file now bears the backup's name
    return problem;
}

} // namespace database
