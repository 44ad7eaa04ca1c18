#include "testsupport.h"

#include "data/listmodel.h"
#include "data/loadedrow.h"
#include "data/server.h"
#include "data/sql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QTest>

using testsupport::TempOffice;

// Two workstations on one office, a file or a server: the default connection is this one, "other" is the
// second.
class TestWorkstations : public QObject {
    Q_OBJECT

private:
    static bool onServer() { return !testsupport::serverLocation().isEmpty(); }

    static QSqlDatabase openOther(const TempOffice& office) {
        if (onServer())
            return server::addConnection(QStringLiteral("other"), office.databasePath());
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(office.databasePath());
        // The other station gives up at once, so that a held database shows as a failed write.
        other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=50"));
        other.open();
        return other;
    }
    static void closeOther() { QSqlDatabase::removeDatabase(QStringLiteral("other")); }

    static bool otherWrites(const QString& statement) {
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("other")));
        const bool ok = query.exec(statement);
        if (!ok)
            qWarning() << statement << query.lastError().text();
        return ok;
    }

    // The other station holds what a save of this one needs, as a long save of its own would.
    static bool otherHolds() {
        if (onServer())
            return otherWrites("BEGIN") && otherWrites("LOCK TABLE patients IN EXCLUSIVE MODE");
        return otherWrites("BEGIN EXCLUSIVE");
    }

    // The sessions of this office that the server sees in a transaction while they wait for their program.
    static int idleInTransaction() {
        QSqlQuery query(QSqlDatabase::database(QStringLiteral("other")));
        if (!query.exec("select count(*) from pg_stat_activity where datname = current_database() and state like "
                        "'idle in transaction%'") ||
            !query.next())
            return -1;
        return query.value(0).toInt();
    }

    static QSqlRecord patientRow(int num) {
        QSqlQuery query;
        query.setForwardOnly(true);
        if (!query.exec("select * from patients where num = " + QString::number(num)) || !query.next())
            return {};
        return query.record();
    }

private slots:
    void anIdleListLetsAnotherStationWrite() {
        TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("BEGIN"));
        for (int i = 0; i < 600; ++i)
            QVERIFY(office.exec(QString("insert into patients (Nom) values ('Patient %1')").arg(i, 3, 10, QChar('0'))));
        QVERIFY(office.exec("COMMIT"));

        ListModel list;
        list.setTable("patients");
        list.setSort(list.fieldIndex("Nom"), Qt::DescendingOrder);
        list.setFilter("Nom like 'Patient%'");
        QVERIFY(list.select());
        QCOMPARE(list.rowCount(), ListModel::PageSize);
        QVERIFY(list.canFetchMore());
        QCOMPARE(list.record(0).value("Nom").toString(), QString("Patient 599"));

        {
            QSqlDatabase other = openOther(office);
            QVERIFY(other.isOpen());
            if (onServer())
                QCOMPARE(idleInTransaction(), 0);
            QVERIFY(otherWrites("update patients set Tel = '0661' where Nom = 'Patient 000'"));
            QVERIFY(otherWrites("insert into patients (Nom) values ('Patient 600')"));
        }
        closeOther();

        // The next pages follow on from the rows already shown, to the last one.
        while (list.canFetchMore())
            list.fetchMore();
        QCOMPARE(list.rowCount(), 601);
        QCOMPARE(list.record(600).value("Tel").toString(), QString("0661"));

        // The filter takes effect at the next select only, and a view's header click orders and reads again.
        list.setFilter("Nom = 'Patient 007'");
        QCOMPARE(list.rowCount(), 601);
        list.sort(list.fieldIndex("Nom"), Qt::AscendingOrder);
        QCOMPARE(list.rowCount(), 1);
        QVERIFY(!list.canFetchMore());
        QVERIFY(list.removeRow(0));
        QCOMPARE(office.value("select count(*) from patients where Nom = 'Patient 007'").toInt(), 0);
    }

    void aRowChangedByAnotherStationIsNotOverwritten() {
        TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into patients (Nom, Tel, Autres) values ('Amrani', '0550', NULL)"));
        const int num = int(office.lastInsertId());
        const QSqlRecord loaded = patientRow(num);

        {
            QSqlDatabase other = openOther(office);
            QVERIFY(otherWrites("update patients set Tel = '0661' where num = " + QString::number(num)));
        }
        closeOther();

        const QString rename = "update patients set Nom = 'Amrani Said' where num = " + QString::number(num);
        QCOMPARE(sql::writeIfUnchanged(rename, loaded), sql::Outcome::Changed);
        QCOMPARE(office.value("select Nom from patients where num = " + QString::number(num)).toString(),
                 QString("Amrani"));

        // Read again (an empty Autres compares as the same), the same save goes through.
        const QSqlRecord now = sql::storedRow("patients", "Num", num);
        QCOMPARE(now.value("Tel").toString(), QString("0661"));
        QCOMPARE(sql::writeIfUnchanged(rename, now), sql::Outcome::Done);
        QCOMPARE(office.value("select Nom || '/' || Tel from patients where num = " + QString::number(num)).toString(),
                 QString("Amrani Said/0661"));

        QVERIFY(office.exec("delete from patients where num = " + QString::number(num)));
        QCOMPARE(sql::writeIfUnchanged(rename, now), sql::Outcome::Changed);
        QVERIFY(sql::storedRow("patients", "Num", num).isEmpty());
    }

    void aConflictKeepsWhatWasTypedAndTakesTheRest() {
        QString name;
        QString tel;
        QString payment;
        LoadedRow row;
        row.addField(
            "Nom", [&] { return QVariant(name); }, [&](const QVariant& v) { name = v.toString(); });
        row.addField(
            "Tel", [&] { return QVariant(tel); }, [&](const QVariant& v) { tel = v.toString(); });
        row.addField(
            "Payement", [&] { return QVariant(payment); }, [&](const QVariant& v) { payment = v.toString(); });

        QSqlRecord stored;
        for (const char* column : {"Nom", "Tel", "Payement"})
            stored.append(QSqlField(column, QMetaType(QMetaType::QString)));
        stored.setValue("Nom", "Amrani");
        stored.setValue("Tel", "0550");
        stored.setValue("Payement", "0");
        row.load(stored);
        QCOMPARE(name, QString("Amrani"));

        name = "Amrani Said";
        tel = "0770";
        QSqlRecord now = stored;
        now.setValue("Tel", "0661");
        now.setValue("Payement", "1500");
        const QStringList replaced = row.takeStored(now);
        // The payment the other station recorded comes in; both typed fields stay the user's.
        QCOMPARE(payment, QString("1500"));
        QCOMPARE(name, QString("Amrani Said"));
        QCOMPARE(tel, QString("0770"));
        QCOMPARE(replaced, QStringList{"Tel : 0661"});
        QCOMPARE(row.record().value("Payement").toString(), QString("1500"));
    }

    void aHeldDatabaseMakesAWriteBusy() {
        TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into patients (Nom) values ('Amrani')"));
        {
            QSqlDatabase other = openOther(office);
            QVERIFY(otherHolds());
            QCOMPARE(sql::write("update patients set Tel = '1'"), sql::Outcome::Busy);
            QVERIFY(otherWrites("COMMIT"));
        }
        closeOther();
        QCOMPARE(sql::write("update patients set Tel = ?", {QString("2")}), sql::Outcome::Done);
        QCOMPARE(office.value("select Tel from patients").toString(), QString("2"));
        QCOMPARE(sql::write("update nowhere set Tel = 3"), sql::Outcome::Failed);
    }
};

KELVORA_TEST(TestWorkstations)
#include "test_workstations.moc"
