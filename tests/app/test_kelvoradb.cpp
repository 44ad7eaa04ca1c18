#include "testsupport.h"

#include "app/loginuser.h"
#include "data/database.h"
#include "data/password.h"
#include "data/sql.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// The office database tool, run as a separate program like an administrator runs it.
class TestKelvoraDb : public QObject {
    Q_OBJECT

private:
    struct Run {
        int status = -1;
        QString out, err;
    };

    static QString tool() {
        return qEnvironmentVariable("KELVORA_BINARY_DIR") + QStringLiteral("/tools/kelvora-db/kelvora-db");
    }

    static Run run(const QStringList& arguments) {
        QProcess process;
        process.start(tool(), arguments);
        Run result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.status = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    static QStringList rows(const QString& path, const QString& statement) {
        const Run result = run({"sql", path, statement});
        return result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    static QByteArray fingerprint(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                              : QByteArray();
    }

    static int count(const QString& statement) {
        QSqlQuery query;
        return sql::exec(query, statement) && query.next() ? query.value(0).toInt() : -1;
    }

    QTemporaryDir dir;

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(tool()), qPrintable(tool() + " is not built")); }

    void createsAndNeverOverwrites() {
        const QString path = dir.filePath("cabinet/data.mdb");
        const Run created = run({"create", path});
        QCOMPARE(created.status, 0);
        QVERIFY(QFile::exists(path));
        QCOMPARE(database::checkFile(path), QString());

        QVERIFY(run({"sql", path, "insert into Patients (Nom) values ('Martin Jean')"}).status == 0);
        const QByteArray before = fingerprint(path);
        for (const QStringList& again : {QStringList{"create", path}, QStringList{"create", path, "--demo"}}) {
            const Run refused = run(again);
            QCOMPARE(refused.status, 1);
            QVERIFY(refused.err.contains("already exists"));
        }
        QCOMPARE(fingerprint(path), before);

        // A text file in the way is not replaced either.
        const QString notes = dir.filePath("notes.mdb");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Rendez-vous de lundi\n");
        file.close();
        QCOMPARE(run({"create", notes}).status, 1);
        QCOMPARE(fingerprint(notes), QCryptographicHash::hash("Rendez-vous de lundi\n", QCryptographicHash::Sha1));

        QCOMPARE(run({}).status, 2);
        QCOMPARE(run({"create"}).status, 2);
        QCOMPARE(run({"create", dir.filePath("x.mdb"), "--user"}).status, 2);
        QVERIFY(!QFile::exists(dir.filePath("x.mdb")));
    }

    void referenceListsAndFirstUser() {
        const QString path = dir.filePath("lists.mdb");
        QCOMPARE(run({"create", path, "--user", "Dr O'Brien", "--password", "l'été"}).status, 0);
        QCOMPARE(rows(path, "select Name, Role from user"), QStringList({"Name\tRole", "Dr O'Brien\t1"}));
        const QString stored = rows(path, "select Password from user").value(1);
        QVERIFY(password::isHash(stored));
        QVERIFY(password::matches(stored, QStringLiteral("l'été")));
        QVERIFY(!password::matches(stored, QStringLiteral("l'ete")));
        const struct {
            const char* table;
            int size;
        } lists[] = {{"acte", 16},        {"Motif", 7},        {"Diagnostique", 17}, {"Medicament", 11},
                     {"TypeProthese", 7}, {"AntecedentsG", 8}, {"AntecedentsL", 5}};
        for (const auto& list : lists)
            QCOMPARE(rows(path, QStringLiteral("select count(*) from %1").arg(list.table)).value(1),
                     QString::number(list.size));
        QCOMPARE(rows(path, "select Acte, Frais from acte where Acte = 'Détartrage'").value(1),
                 QStringLiteral("Détartrage\t3000"));
        QCOMPARE(rows(path, "select count(*) from acte where Frais <= 0").value(1), QStringLiteral("0"));
        QCOMPARE(rows(path, "select Antecedent from AntecedentsG where id = 1").value(1), QStringLiteral("Antécédent"));
        QCOMPARE(rows(path, "select count(*) from Patients").value(1), QStringLiteral("0"));

        // A first user named like a demo user is not doubled by the demo.
        const QString named = dir.filePath("named.mdb");
        QCOMPARE(run({"create", named, "--user", "sophie", "--password", "x", "--demo"}).status, 0);
        QCOMPARE(rows(named, "select Role from user where Name = 'Sophie'"), QStringList({"Role", "1"}));

        // The default first user.
        const QString plain = dir.filePath("plain.mdb");
        QCOMPARE(run({"create", plain}).status, 0);
        QCOMPARE(rows(plain, "select Name, Role from user").value(1), QStringLiteral("admin\t1"));
        QVERIFY(password::matches(rows(plain, "select Password from user").value(1), QStringLiteral("admin")));
    }

    void statements() {
        const QString path = dir.filePath("sql.mdb");
        QCOMPARE(run({"create", path}).status, 0);
        Run result =
            run({"sql", path, "insert into Patients (Nom, Adresse) values ('L''Hôte Marguerite', 'rue\tdes Lilas')"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, QString());

        result = run({"sql", path, "select Num, Nom, Adresse, Age from Patients"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, QStringLiteral("Num\tNom\tAdresse\tAge\n1\tL'Hôte Marguerite\true\\tdes Lilas\t\n"));

        result = run({"sql", path, "select * from Patients where Nom = 'Personne'"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out.count(QLatin1Char('\n')), 1); // the header alone

        result = run({"sql", path, "select * from Patientes"});
        QCOMPARE(result.status, 1);
        QCOMPARE(result.out, QString());
        QVERIFY(result.err.contains("no such table"));

        const QString missing = dir.filePath("absent.mdb");
        result = run({"sql", missing, "select 1"});
        QCOMPARE(result.status, 1);
        QVERIFY(result.err.contains("does not exist"));
        QVERIFY(!QFile::exists(missing));

        const QString notes = dir.filePath("notes.txt");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("pas une base\n");
        file.close();
        result = run({"sql", notes, "select 1"});
        QCOMPARE(result.status, 1);
        QVERIFY(result.err.contains("not an SQLite database"));
        QCOMPARE(QFileInfo(notes).size(), qint64(13));
    }

    void demoOffice() {
        const QString path = dir.filePath("demo/data.mdb");
        QCOMPARE(run({"create", path, "--demo"}).status, 0);

        QSqlDatabase db = database::addDefaultConnection();
        db.setDatabaseName(path);
        QVERIFY(database::open(db));
        db = QSqlDatabase();

        QCOMPARE(count("select count(distinct Role) from user where Role between 1 and 4"), 4);
        QVERIFY(count("select count(*) from Patients") >= 24);
        QVERIFY(count("select count(*) from Patients where Nom like '%''%'") >= 2);
        QVERIFY(count("select count(*) from Patients where Nom like '%é%' or Nom like '%è%'") >= 2);
        QVERIFY(count("select count(*) from Visites where Type = 'SOINS'") > 10);
        QVERIFY(count("select count(*) from Visites where Type = 'PROTHESE'") > 0);
        // Stored date-times are read here in their stored form: like matches them only as users type them.
        QCOMPARE(count("select count(*) from Visites where VDate not glob "
                       "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]T[0-9][0-9]:[0-9][0-9]:[0-9][0-9]'"),
                 0);
        QVERIFY(count("select count(*) from vVisites where Reste > 0") > 0);
        QVERIFY(count("select count(*) from vVisites where Reste = 0 and SommeDeFrais > 0") > 0);
        QVERIFY(count("select count(*) from Traitements where Payement > 0 and Payement < Frais") > 0);
        // Every act has its visit and a doctor as treating doctor.
        QCOMPARE(count("select count(*) from Traitements where visite_id not in (select VisiteNum from Visites)"), 0);
        QCOMPARE(
            count("select count(*) from Traitements where Medcin_id not in (select id from user where Role in (1, 2))"),
            0);

        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        for (const char* state : {"En attente", "Présent", "Absent"})
            QVERIFY2(count(QStringLiteral("select count(*) from vRendezvous where RVDate = '%1' and Etat = '%2'")
                               .arg(today, QString::fromUtf8(state))) > 0,
                     state);
        QVERIFY(count(QStringLiteral("select count(*) from vRendezvous where RVDate > '%1'").arg(today)) > 0);
        QVERIFY(count(QStringLiteral("select count(*) from vRendezvous where RVDate < '%1'").arg(today)) > 0);
        QCOMPARE(count(QStringLiteral("select count(*) from vRendezvous where RVDate > '%1' and Etat <> 'En attente'")
                           .arg(today)),
                 0);

        // No demo password is kept as it is typed, and every demo user logs in by keyboard.
        QCOMPARE(count("select count(*) from user where Password not like '$argon2id$%'"), 0);
        const char* const demoUsers[][2] = {{"admin", "admin"},
                                            {"Dr Benali", "benali"},
                                            {"Dr Lefèvre", "lefevre"},
                                            {"Sophie", "sophie"},
                                            {"Léa", "lea"}};
        for (const auto& user : demoUsers) {
            LoginUser login;
            login.show();
            auto* names = login.findChild<QComboBox*>("connectionNamesComboBox");
            QCOMPARE(names->count(), 5);
            names->clearEditText();
            for (const QChar ch : QString::fromUtf8(user[0]))
                QTest::sendKeyEvent(QTest::Click, names->lineEdit(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::keyClick(names->lineEdit(), Qt::Key_Tab);
            QTest::keyClicks(login.findChild<QLineEdit*>("passwordLineEdit"), QString::fromUtf8(user[1]));
            QTest::keyClick(login.findChild<QLineEdit*>("passwordLineEdit"), Qt::Key_Return);
            QVERIFY2(login.result() == QDialog::Accepted, user[0]);
            QCOMPARE(login.userId, count(QStringLiteral("select id from user where Name = '%1'")
                                             .arg(sql::quoted(QString::fromUtf8(user[0])))));
        }
        database::closeDefaultConnection();
    }

    void officeOfFewSurnames() {
        QCOMPARE(run({"create", dir.filePath("few/none.mdb"), "--demo", "--surnames", "5"}).status, 2);
        const QString path = dir.filePath("few/data.mdb");
        QCOMPARE(run({"create", path, "--demo", "--years", "1", "--surnames", "5"}).status, 0);
        QSqlDatabase db = database::addDefaultConnection();
        db.setDatabaseName(path);
        QVERIFY(database::open(db));
        db = QSqlDatabase();
        QVERIFY(count("select count(*) from Patients") >= 2500);
        QStringList others;
        for (const char* surname : {"Martin", "Bernard", "Dubois", "Thomas", "Robert"}) {
            QVERIFY2(count(QStringLiteral("select count(*) from Patients where Nom like '%1 %'").arg(surname)) > 100,
                     surname);
            others << QStringLiteral("Nom not like '%1 %'").arg(surname);
        }
        QCOMPARE(count("select count(*) from Patients where " + others.join(" and ")), 0);
        database::closeDefaultConnection();
    }
};

KELVORA_TEST(TestKelvoraDb)
#include "test_kelvoradb.moc"
