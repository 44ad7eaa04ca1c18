#include "testsupport.h"

#include "data/backupset.h"
#include "data/checkup.h"
#include "data/database.h"
#include "data/server.h"
#include "data/sql.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using testsupport::TempOffice;

class TestBackupSet : public QObject {
    Q_OBJECT

private:
    static bool onServer() { return !testsupport::serverLocation().isEmpty(); }

    // Every row of every office table, in key order, as text (pictures as their bytes).
    static QStringList allRows(const QSqlDatabase& db) {
        QStringList rows;
        for (const QString& table : server::officeTables()) {
            QSqlQuery query(db);
            if (!sql::exec(query, QStringLiteral("select * from \"%1\" order by 1").arg(table))) {
                rows << table + QStringLiteral(" unreadable");
                continue;
            }
            while (query.next()) {
                QStringList values{table};
                for (int i = 0; i < query.record().count(); ++i) {
                    const QVariant value = query.value(i);
                    values << (value.typeId() == QMetaType::QByteArray
                                   ? QString::fromLatin1(value.toByteArray().toHex())
                                   : value.toString());
                }
                rows << values.join(QLatin1Char('|'));
            }
        }
        return rows;
    }

    static QStringList rowsOf(const QString& pathOrLocation) {
        QStringList rows;
        {
            QSqlDatabase db = server::isLocation(pathOrLocation)
                                  ? server::addConnection(QStringLiteral("drill"), pathOrLocation)
                                  : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("drill"));
            if (!server::isLocation(pathOrLocation)) {
                db.setDatabaseName(pathOrLocation);
                db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
                db.open();
            }
            rows = allRows(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("drill"));
        return rows;
    }

    static QMap<QString, QByteArray> fingerprints(const QString& folder) {
        QMap<QString, QByteArray> files;
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
            QFile file(QDir(folder).filePath(name));
            file.open(QIODevice::ReadOnly);
            files.insert(name, QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
        }
        return files;
    }

    static void fill(TempOffice& office) {
        QVERIFY(office.exec("insert into Patients (Nom, Adresse) values ('O''Brien', 'Rue de l''Église')"));
        const qint64 patient = office.lastInsertId();
        QVERIFY(office.exec(QStringLiteral("insert into Visites (PatientNum, Type, VDate, Motif) "
                                           "values (%1, 'SOINS', '2024-03-05T10:00', 'Douleur')")
                                .arg(patient)));
        const qint64 visit = office.lastInsertId();
        QSqlQuery act;
        QVERIFY(sql::prepare(act, QStringLiteral("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, "
                                                 "Medcin_id, Radio) values (%1, '2024-03-05T10:00', 'Détartrage', "
                                                 "3000, 1000, 1, ?)")
                                      .arg(visit)));
        act.addBindValue(QByteArray("\x89PNG\r\n\0picture", 16));
        QVERIFY(sql::execPrepared(act));
        QVERIFY(office.exec(QStringLiteral("insert into Rendezvous (PatientNum, RVDate, traitement) "
                                           "values (%1, '2024-03-06T09:30:00', 'Contrôle')")
                                .arg(patient)));
    }

private slots:
    void rotationKeepsDaysWeeksMonthsAndTheNewest() {
        // A backup every day for 400 days, and a second one on the newest day.
        const QDateTime newest(QDate(2026, 12, 8), QTime(18, 0));
        QList<database::BackupEntry> backups{{"late", newest, 1}};
        for (int day = 0; day < 400; ++day)
            backups.append({QString::number(day), newest.addDays(-day).addSecs(-3600), 1});
        const QList<database::BackupEntry> removed = database::rotatedOut(backups);
        QSet<QString> kept;
        for (const database::BackupEntry& entry : backups)
            kept.insert(entry.path);
        for (const database::BackupEntry& entry : removed)
            kept.remove(entry.path);
        QVERIFY(kept.contains("late"));
        QVERIFY(!kept.contains("0")); // the same day's earlier one
        for (const char* day : {"1", "2", "3", "4", "5", "6"})
            QVERIFY(kept.contains(day));
        QVERIFY(kept.size() >= 7 + 3 && kept.size() <= 7 + 5 + 12);
        // One a month for a year: the oldest kept is nearly a year old.
        int oldest = 0;
        for (const QString& day : kept)
            oldest = std::max(oldest, day.toInt());
        QVERIFY2(oldest > 300 && oldest < 366, qPrintable(QString::number(oldest)));
        QVERIFY(database::rotatedOut(backups.mid(0, 1)).isEmpty());
    }

    void restoreDrillGivesTheSameRows() {
        TempOffice office;
        QVERIFY(office.isValid());
        fill(office);
        QTemporaryDir folder;
        QString made;
        QCOMPARE(database::backupInto(folder.path(), &made), QString());
        QVERIFY(QFileInfo::exists(folder.filePath("data.mdb")));
        QCOMPARE(database::lastGoodBackup(folder.path()).date(), QDate::currentDate());
        QVERIFY(!database::backupDue(folder.path()));
        const QStringList original = allRows(QSqlDatabase::database());
        QVERIFY(original.size() >= 4);

        // Elsewhere: a new file, and on the server an empty database.
        const QString elsewhere = folder.filePath("elsewhere/office.mdb");
        QCOMPARE(database::restoreOffice(made, elsewhere), QString());
        QCOMPARE(rowsOf(elsewhere), original);
        if (onServer()) {
            QString name;
            const QString location = testsupport::createServerDatabase(&name);
            QCOMPARE(database::restoreOffice(made, location), QString());
            QCOMPARE(rowsOf(location), original);
            testsupport::dropServerDatabase(name);
        }

        // Over the live office: what was typed since goes, into a checked safety copy first.
        QVERIFY(office.exec("update Patients set Nom = 'Typed after the backup'"));
        QString safety;
        QCOMPARE(database::restoreOpenOffice(made, &safety), QString());
        QVERIFY(QFileInfo::exists(safety));
        QCOMPARE(database::checkOfficeFile(safety), QString());
        QCOMPARE(office.value("select Nom from Patients").toString(), QString("O'Brien"));
        QCOMPARE(allRows(QSqlDatabase::database()), original);
        QCOMPARE(rowsOf(safety).filter("Typed after the backup").size(), 1);
    }

    void damagedOfficeIsRefusedAndEarlierBackupsStay() {
        if (onServer())
            QSKIP("the server keeps its own pages");
        TempOffice office;
        fill(office);
        for (int i = 0; i < 300; ++i)
            QVERIFY(office.exec(QString("insert into Patients (Nom, Adresse) values ('P%1', '%2')")
                                    .arg(i)
                                    .arg(QString(100, QChar('x')))));
        QTemporaryDir folder;
        QCOMPARE(database::backupInto(folder.path()), QString());
        const auto before = fingerprints(folder.path());

        // One page of a copy of the office overwritten, as a failing disk does.
        const QString damaged = office.dir() + "/damaged.mdb";
        QVERIFY(QFile::copy(office.databasePath(), damaged));
        {
            QFile file(damaged);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(file.size() / 2 / 4096 * 4096));
            file.write(QByteArray(300, '\xff'));
        }
        QSqlDatabase db = database::addDefaultConnection();
        db.setDatabaseName(damaged);
        QVERIFY(database::open(db));
        const QString problem = database::backupInto(folder.path());
        QVERIFY2(problem.contains("damaged"), qPrintable(problem));
        QCOMPARE(fingerprints(folder.path()), before);
        const checkup::Report report = checkup::run(db);
        QVERIFY(!report.engineProblem.isEmpty());
        QVERIFY(checkup::describe(report).first().contains("engine"));
        // Nor is a damaged backup put back.
        QVERIFY(database::restoreOffice(damaged, folder.filePath("back.mdb")).contains("fails its check"));
        QVERIFY(!QFileInfo::exists(folder.filePath("back.mdb")));
    }

    void checkupNamesTheRowsAndRepairsIndexesAndSums() {
        TempOffice office;
        fill(office);
        QVERIFY(office.exec("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) "
                            "values (9999, '2024-03-07T10:00', 'Orphelin', 100, 150, 1)"));
        const qint64 orphan = office.lastInsertId();
        QVERIFY(
            office.exec("insert into Visites (PatientNum, Type, VDate) values (8888, 'SOINS', '2024-03-07T10:00')"));
        const qint64 lostVisit = office.lastInsertId();
        QVERIFY(office.exec("insert into Rendezvous (PatientNum, RVDate) values (7777, '2024-03-08T10:00:00')"));
        const qint64 lostAppointment = office.lastInsertId();
        if (!onServer()) {
            // What another tool writing behind the triggers' back leaves.
            QVERIFY(office.exec("update recettes_jour set Frais = Frais + 1"));
            QVERIFY(office.exec("insert into patients_search (rowid, nom) values (5555, 'fantôme')"));
            QVERIFY(office.exec("delete from visites_search"));
        }
        const QStringList lines = checkup::describe(checkup::run(QSqlDatabase::database()));
        const QString all = lines.join('\n');
        QVERIFY2(all.contains(QString("acts without a visit: Traitements.id %1").arg(orphan)), qPrintable(all));
        QVERIFY(all.contains(QString("visits without a patient: Visites.VisiteNum %1").arg(lostVisit)));
        QVERIFY(all.contains(QString("appointments without a patient: Rendezvous.RVNum %1").arg(lostAppointment)));
        QVERIFY(all.contains(QString("negative balances on acts with a fee: Traitements.id %1").arg(orphan)));
        QCOMPARE(lines.size(), onServer() ? 4 : 7);
        if (onServer())
            return;
        QVERIFY(all.contains("recettes_jour day and doctor 2024-03-05 1"));
        QVERIFY(all.contains("Patients.Num 5555"));

        QTemporaryDir folder;
        QString safety;
        QCOMPARE(database::safetyCopy(folder.path(), "kelvora-before-repair-", &safety), QString());
        QCOMPARE(checkup::repair(QSqlDatabase::database()), QString());
        const checkup::Report again = checkup::run(QSqlDatabase::database());
        QCOMPARE(again.findings.size(), 4); // what only a person can decide stays
        QVERIFY(!again.repairable());
        QCOMPARE(office.value("select count(*) from visites_search").toInt(), 2);
    }
};

KELVORA_TEST(TestBackupSet)
#include "test_backupset.moc"
