#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

// The office's backups in a folder: each one written under a temporary name, checked against the office it
// was read from, and only then given its dated name; a rotated set of them, and data.mdb as the newest good
// copy. A restore puts one of them back.
namespace database {

// The copy that stored settings and habits know as the backup.
inline constexpr char newestCopyName[] = "data.mdb";

// Why the office file at path fails the engine's own check or cannot have its rows counted, or an empty text.
// On success rows receives every table's row count.
QString checkOfficeFile(const QString& path, QMap<QString, qint64>* rows = nullptr);

// One dated backup of a folder.
struct BackupEntry {
    QString path;
    QDateTime made;
    qint64 size = 0;
};

// The name a backup made at this moment takes: kelvora-yyyy-MM-dd-HHmmss.mdb.
QString backupFileName(const QDateTime& made);

// The dated backups of the folder, newest first.
QList<BackupEntry> backupsIn(const QString& folder);

// Those of the dated backups (newest first) that the rotation removes: everything but the newest of each of
// the last 7 days, of the last 5 weeks and of the last 12 months that have a backup. The newest always stays.
QList<BackupEntry> rotatedOut(const QList<BackupEntry>& backups);

// When the newest dated backup of the folder was made; invalid when there is none.
QDateTime lastGoodBackup(const QString& folder);

// Whether the folder has no backup made today yet.
bool backupDue(const QString& folder, const QDateTime& now = QDateTime::currentDateTime());

// Makes a checked backup of the office open on the default connection into the folder (which must exist):
// a dated file, then data.mdb in its place, then the rotation. An office that fails its check is refused and
// nothing in the folder changes. Another station making a backup into the same folder is waited for up to
// waitMs. Returns why the backup failed, or an empty text; made receives the new dated file.
QString backupInto(const QString& folder, QString* made = nullptr, int waitMs = 10000);

// Makes a checked copy of the office open on the default connection into the folder, named prefix followed by
// the date and time, before a change that cannot be taken back. Returns why it failed, or an empty text; made
// receives the copy's path.
QString safetyCopy(const QString& folder, const QString& prefix, QString* made);

// Puts the backup file in place of the office at target (a file path, or a server location). The backup is
// checked first. A target that exists gets a checked safety copy first (in the target's folder, or beside
// the backup for a server) named in safetyCopy; a damaged office file, which no check passes, is kept aside
// as it stands instead; then its contents are replaced through the engine, so that
// other stations see the restored office rather than a file taken from under them. The target is checked
// afterwards against the backup. Returns why the restore failed (the target is then as it was), or an empty
// text.
QString restoreOffice(const QString& backupFile, const QString& target, QString* safetyCopy = nullptr);

// Same as restoreOffice onto the office open on the default connection.
QString restoreOpenOffice(const QString& backupFile, QString* safetyCopy = nullptr);

} // namespace database
