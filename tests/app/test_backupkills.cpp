#include "testsupport.h"

#include "data/backupset.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Backups, restores and check-ups made with kelvora-db, as a nightly job makes them, and killed part way.
class TestBackupKills : public QObject {
    Q_OBJECT

private:
    static QString tool() {
        return qEnvironmentVariable("KELVORA_BINARY_DIR") + QStringLiteral("/tools/kelvora-db/kelvora-db");
    }

    static int run(const QStringList& arguments, QString* out = nullptr) {
        QProcess process;
        process.start(tool(), arguments);
        if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        if (out)
            *out = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        return process.exitCode();
    }

    static QByteArray fingerprint(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                              : QByteArray();
    }

private slots:
    void killedBackupsLeaveNoBadFileAndEarlierOnesUntouched() {
        QTemporaryDir dir;
        QString serverName;
        const bool onServer = !testsupport::serverLocation().isEmpty();
        const QString office = onServer ? testsupport::createServerDatabase(&serverName) : dir.filePath("office.mdb");
        QCOMPARE(run({"create", office, "--demo", "--years", "1"}), 0);
        const QString folder = dir.filePath("backups");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run({"backup", office, folder}), 0);
        const qint64 duration = timer.elapsed();

        // Backups of earlier days, which no backup of today may touch.
        const QList<database::BackupEntry> first = database::backupsIn(folder);
        QCOMPARE(first.size(), 1);
        QMap<QString, QByteArray> earlier;
        for (int day = 1; day <= 3; ++day) {
            const QString name = QDir(folder).filePath(database::backupFileName(first.first().made.addDays(-day)));
            QVERIFY(QFile::copy(first.first().path, name));
            earlier.insert(name, fingerprint(name));
        }

        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int kill = 0; kill < 8; ++kill) {
            QProcess backup;
            backup.start(tool(), {"backup", office, folder});
            QVERIFY(backup.waitForStarted());
            QThread::msleep(random.bounded(int(duration) + 20));
            backup.kill();
            backup.waitForFinished();
            for (const QString& name : QDir(folder).entryList({"kelvora-*.mdb", "data.mdb"}, QDir::Files)) {
                const QString problem = database::checkOfficeFile(QDir(folder).filePath(name));
                QVERIFY2(problem.isEmpty(), qPrintable(QString("seed %1, %2: %3").arg(seed).arg(name, problem)));
            }
            for (auto it = earlier.cbegin(); it != earlier.cend(); ++it)
                QCOMPARE(fingerprint(it.key()), it.value());
        }
        // The next backup clears what the killed ones left.
        QCOMPARE(run({"backup", office, folder}), 0);
        QCOMPARE(QDir(folder).entryList({"kelvora-backup*"}, QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(database::backupsIn(folder).size(), 4);
        if (onServer)
            testsupport::dropServerDatabase(serverName);
    }

    void checkFixRepairsOverABackupAndFindsNothingTheSecondTime() {
        QTemporaryDir dir;
        const QString office = dir.filePath("office.mdb");
        QCOMPARE(run({"create", office, "--demo"}), 0);
        QString out;
        QCOMPARE(run({"check", office}, &out), 0);
        QVERIFY(out.contains("Nothing to report"));
        QCOMPARE(run({"sql", office, "update recettes_jour set Payement = Payement - 10"}), 0);
        QCOMPARE(run({"check", office}, &out), 1);
        QVERIFY2(out.contains("kept receipts that disagree with the acts: recettes_jour day and doctor"),
                 qPrintable(out));
        QCOMPARE(run({"check", office, "--fix"}, &out), 0);
        QVERIFY(out.contains("Safety copy"));
        QCOMPARE(QDir(dir.path()).entryList({"kelvora-before-repair-*.mdb"}).size(), 1);
        QCOMPARE(run({"check", office}, &out), 0);

        // A damaged office: the backup is refused, with the reason, and the check-up names the damage.
        QCOMPARE(run({"backup", office, dir.filePath("backups")}), 0);
        const QByteArray before = fingerprint(dir.filePath("backups/data.mdb"));
        {
            QFile file(office);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(4096 * 3));
            file.write(QByteArray(4096, '\x5a'));
        }
        QCOMPARE(run({"backup", office, dir.filePath("backups")}, &out), 1);
        QVERIFY2(out.contains("no backup was made: the office is damaged"), qPrintable(out));
        QCOMPARE(fingerprint(dir.filePath("backups/data.mdb")), before);
        QCOMPARE(run({"check", office}, &out), 1);
        QVERIFY(out.contains("engine's check"));

        // Restored from the backup, the office is whole again; the damaged one is kept aside as it stood.
        QCOMPARE(run({"restore", dir.filePath("backups/data.mdb"), office}, &out), 0);
        QVERIFY2(out.contains("kelvora-damaged-before-restore-"), qPrintable(out));
        QCOMPARE(run({"check", office}), 0);
    }
};

KELVORA_TEST(TestBackupKills)
#include "test_backupkills.moc"
