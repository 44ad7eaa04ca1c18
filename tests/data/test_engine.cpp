#include "testsupport.h"

#include "data/database.h"
#include "data/schema.h"
#include "data/search.h"
#include "data/sql.h"

#include <QDateTime>
#include <QFile>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <QTest>

using testsupport::TempOffice;

class TestEngine : public QObject {
    Q_OBJECT

private:
    static QStringList column(const QString& statement) {
        QStringList values;
        QSqlQuery query;
        if (sql::exec(query, statement))
            while (query.next())
                values << query.value(0).toString();
        return values;
    }

private slots:
    void opensOnlyExistingSqliteFiles() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("database/data.mdb");
        QSqlDatabase db = database::addDefaultConnection();
        db.setDatabaseName("Driver={Microsoft Access Driver (*.mdb)};Dbq=" + missing + ";");
        db.setPassword("MERVOLIKAST2017");
        QVERIFY(!database::open(db));
        QVERIFY(!QFile::exists(missing));

        db.setDatabaseName("Driver={Microsoft Access Driver (*.mdb)};Dbq=;");
        QVERIFY(!database::open(db));

        const QString text = dir.filePath("notes.mdb");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("This is a text file, not a database.\n");
        file.close();
        db.setDatabaseName("Driver={Microsoft Access Driver (*.mdb)};Dbq=" + text + ";");
        QVERIFY(!database::open(db));

        const QString good = dir.filePath("good.mdb");
        QCOMPARE(schema::createDatabaseFile(good), QString());
        QVERIFY(!schema::createDatabaseFile(good).isEmpty()); // never overwrites
        db.setDatabaseName("Driver={Microsoft Access Driver (*.mdb)};Dbq=" + good + ";");
        QVERIFY(database::open(db));
        QCOMPARE(database::openFilePath(), good);
        db = QSqlDatabase();
        database::closeDefaultConnection();
    }

    void connectionStringPath() {
        QCOMPARE(database::pathFromConnectionString("Driver={Microsoft Access Driver (*.mdb)};Dbq=database/data.mdb;"),
                 QString("database/data.mdb"));
        QCOMPARE(database::pathFromConnectionString("Driver={x};Dbq=/tmp/Cabinet é/data.mdb;"),
                 QString("/tmp/Cabinet é/data.mdb"));
        QCOMPARE(database::pathFromConnectionString("Driver={x};Dbq=;"), QString());
    }

    void quotingAndAdaptation() {
        QCOMPARE(sql::quoted("O'Brien"), QString("O''Brien"));
        QCOMPARE(sql::quoted("''"), QString("''''"));
        QCOMPARE(sql::adapted("Sum([Traitements]![Frais]-[Traitements]![Payement])"),
                 QString("Sum([Traitements].[Frais]-[Traitements].[Payement])"));
    }

    void datevalueAndChronologicalDates() {
        TempOffice office;
        QVERIFY(office.isValid());
        QCOMPARE(office.value("select datevalue('05-03-2024')").toString(), QString("2024-03-05"));
        QCOMPARE(office.value("select datevalue('2024-03-05')").toString(), QString("2024-03-05"));
        QVERIFY(office.value("select datevalue('not a date')").isNull());
        // Days that no calendar has are no dates either; a leap year's 29 February is one.
        for (const char* impossible : {"31-02-2024", "29-02-2023", "31-04-2024", "00-01-2024", "2023-02-29"})
            QVERIFY2(office.value(QString("select datevalue('%1')").arg(impossible)).isNull(), impossible);
        QCOMPARE(office.value("select datevalue('29-02-2024')").toString(), QString("2024-02-29"));
        QCOMPARE(office.value("select datevalue('29/02/2000 08:00')").toString(), QString("2000-02-29"));

        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '05-03-2024 10:30')"));
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '28-12-2023 09:05')"));
        QVERIFY(
            office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '01-04-2024 08:00:15')"));
        QCOMPARE(column("select VDate from Visites order by VDate"),
                 QStringList({"2023-12-28T09:05:00", "2024-03-05T10:30:00", "2024-04-01T08:00:15"}));
        QCOMPARE(column("select count(*) from Visites where date(VDate) Between datevalue('01-01-2024') And "
                        "datevalue('31-03-2024')"),
                 QStringList({"1"}));
        QVERIFY(office.exec("update Visites set VDate = '06-03-2024 11:00' where VDate like '05-03-2024%'"));
        QCOMPARE(office.value("select min(VDate) from Visites where PatientNum = 1 and VDate > datevalue('01-01-2024')")
                     .toString(),
                 QString("2024-03-06T11:00:00"));

        QSqlQuery query;
        QVERIFY(sql::exec(query, "select VDate from Visites order by VDate"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toDateTime(), QDateTime(QDate(2023, 12, 28), QTime(9, 5)));
    }

    void likeIgnoresCaseAndMatchesTypedDates() {
        TempOffice office;
        QVERIFY(office.exec("insert into Patients (Nom) values ('Élodie Durand')"));
        QVERIFY(office.exec("insert into Patients (Nom) values ('O''Brien Seán')"));
        QVERIFY(office.exec("insert into Patients (Nom, Tel) values ('Ali', null)"));
        QCOMPARE(column("select Nom from Patients where Nom like '%élodie%'"), QStringList({"Élodie Durand"}));
        QCOMPARE(column("select Nom from Patients where Nom like '%DURAND'"), QStringList({"Élodie Durand"}));
        QCOMPARE(column("select Nom from Patients where Nom like '%o''b%SEÁN'"), QStringList({"O'Brien Seán"}));
        QCOMPARE(column("select Nom from Patients where Nom like 'A_i'"), QStringList({"Ali"}));
        QCOMPARE(column("select Nom from Patients where Tel like '%%'"), QStringList());
        QCOMPARE(column("select count(*) from Patients where Nom like '%100\\%%' escape '\\'"), QStringList({"0"}));

        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '05-03-2024 10:30')"));
        QCOMPARE(column("select count(*) from Visites where VDate like '%05-03-2024%'"), QStringList({"1"}));
        QCOMPARE(column("select count(*) from Visites where VDate like '%05/03%'"), QStringList({"1"}));
        QCOMPARE(column("select count(*) from Visites where VDate like '%05/03/2024 10:30:00%'"), QStringList({"1"}));
        QCOMPARE(column("select count(*) from Visites where VDate like '%06-03%'"), QStringList({"0"}));
    }

    void dateSearchesNeverMatchTheStoredText() {
        TempOffice office;
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate, Motif) values (1, 'SOINS', "
                            "'08-12-2024 09:15', 'Contrôle 2024-12')"));
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '12-08-2026 10:30')"));
        const auto dates = [](const QString& typed) {
            return column("select VDate from Visites where VDate like '%" + typed + "%' order by VDate");
        };
        QCOMPARE(dates("12-08"), QStringList({"2026-08-12T10:30:00"}));
        QCOMPARE(dates("08/12/2024 09:15:00"), QStringList({"2024-12-08T09:15:00"}));
        QCOMPARE(dates("2026 10:30"), QStringList({"2026-08-12T10:30:00"}));
        for (const char* stored : {"26-08", "2024-12", "T09", "12T10"})
            QVERIFY2(dates(stored).isEmpty(), stored);
        // Texts that are no date-time are searched as they are.
        QCOMPARE(column("select count(*) from Visites where Motif like '%2024-12%'"), QStringList({"1"}));
    }

    void namesCompareWithoutCase() {
        TempOffice office;
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Admin', 'Secret', 1)"));
        QVERIFY(office.exec("insert into acte (Acte, Frais) values ('Détartrage', 2000)"));
        QCOMPARE(column("select Password from user where name='admin'"), QStringList({"Secret"}));
        QCOMPARE(column("select Frais from acte where Acte='détartrage'"), QStringList({"2000"}));
        QCOMPARE(column("select Frais from acte where Acte like '%TARTR%'"), QStringList({"2000"}));
        QCOMPARE(column("select count(*) from user where Password='secret'"), QStringList({"0"}));
    }

    void viewsReturnTheirColumnsAndWholeSums() {
        TempOffice office;
        QVERIFY(office.exec("insert into user (Name, Role) values ('dr', 1)"));
        QVERIFY(office.exec("insert into Patients (Nom, Age) values ('Ali', 34)"));
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate, Motif) values (1, 'SOINS', "
                            "'05-03-2024 10:30', 'Douleur dentaire')"));
        QVERIFY(office.exec("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) values "
                            "(1, '05-03-2024 10:30', 'Extraction', 3000, 1000, 1)"));
        QVERIFY(office.exec("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) values "
                            "(1, '05-03-2024 11:00', 'Détartrage', 2000, 2500, 1)"));
        QVERIFY(office.exec("insert into Rendezvous (PatientNum, RVDate, traitement) values (1, '05-03-2024 "
                            "14:00:00', 'Contrôle')"));

        QCOMPARE(column("select SommeDeFrais || '/' || SommeDePayement || '/' || Reste from vVisites"),
                 QStringList({"5000/3500/1500"}));
        QCOMPARE(column("select Nom || '/' || Reste from vSoinsProthese where Num = 1"), QStringList({"Ali/1500"}));
        QCOMPARE(column("select count(*) from vTraitements where visite_id = 1 and Médecin_Traitant = 'dr'"),
                 QStringList({"2"}));
        QCOMPARE(column("select Etat from vRendezvous where rvdate = datevalue('2024-03-05')"),
                 QStringList({"En attente"}));
        QCOMPARE(column("select count(*) from vRendezvous where VDate Between datevalue('05-03-2024') And "
                        "datevalue('05-03-2024')"),
                 QStringList({"1"}));
        QCOMPARE(column("select count(*) from vrendezvousdate where RVDate = datevalue('05-03-2024')"),
                 QStringList({"1"}));
        QCOMPARE(column("select VDate || '/' || SommeDeFrais || '/' || SommeDePayement || '/' || Reste from Query"),
                 QStringList({"2024-03-05/5000/3500/1500"}));
        QCOMPARE(column("select Nom || '/' || Reste from vPatient"), QStringList({"Ali/1500"}));

        // Positions the windows read by index.
        QSqlTableModel rendezvous;
        rendezvous.setTable("vRendezvous");
        QCOMPARE(rendezvous.record().fieldName(2), QString("Etat"));
        QSqlTableModel query;
        query.setTable("Query");
        QCOMPARE(query.record().fieldName(3), QString("Reste"));
        QSqlTableModel patient;
        patient.setTable("vPatient");
        QCOMPARE(patient.record().fieldName(4), QString("Reste"));
        QSqlTableModel patients;
        patients.setTable("patients");
        QCOMPARE(patients.record().fieldName(0), QString("Num"));
        QCOMPARE(patients.record().fieldName(1), QString("Nom"));
    }

    void deletingAVisiteDeletesItsActsButAPatientKeepsHisVisits() {
        TempOffice office;
        QVERIFY(office.exec("insert into Patients (Nom) values ('Ali')"));
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '05-03-2024 10:30')"));
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '06-03-2024 10:30')"));
        QVERIFY(office.exec("insert into Traitements (visite_id, Frais) values (1, 100)"));
        QVERIFY(office.exec("insert into Traitements (visite_id, Frais) values (2, 200)"));
        QVERIFY(office.exec("delete from visites where visitenum = 1"));
        QCOMPARE(column("select Frais from Traitements"), QStringList({"200"}));
        QVERIFY(office.exec("delete from patients where num = 1"));
        QCOMPARE(column("select count(*) from Visites"), QStringList({"1"}));
        QCOMPARE(column("select count(*) from vSoinsProthese"), QStringList({"0"}));
    }

    void earlierOfficeFileIsBroughtUpToDateWhenOpened() {
        QTemporaryDir dir;
        const QString path = dir.filePath("data.mdb");
        QCOMPARE(schema::createDatabaseFile(path), QString());
        {
            // Back to a file of the previous version: nothing of the search index and the indexes by day.
            QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
            old.setDatabaseName(path);
            QVERIFY(old.open());
            QSqlQuery query(old);
            for (const char* statement :
                 {"drop trigger patients_search_insert", "drop trigger patients_search_update",
                  "drop trigger patients_search_delete", "drop table patients_search", "drop view vRecettes",
                  "drop index idx_rendezvous_day", "drop index idx_traitements_day",
                  "create index idx_traitements_medecin on Traitements(Medcin_id)", "pragma user_version = 0",
                  "insert into Patients (Nom, Adresse) values ('Élodie Durand', 'Lyon'), ('Ali', 'Oran')"})
                QVERIFY2(query.exec(statement), statement);
            old.close();
        }
        QSqlDatabase::removeDatabase("old");

        QSqlDatabase db = database::addDefaultConnection();
        db.setDatabaseName(path);
        QVERIFY(database::open(db));
        const auto found = [](const QString& typed) {
            return column("select Nom from Patients where " + search::patientCandidates({typed}, true) +
                          " order by Nom");
        };
        QCOMPARE(found("ÉLOD"), QStringList({"Élodie Durand"}));
        QCOMPARE(found("ran"), QStringList({"Ali", "Élodie Durand"}));
        QVERIFY(search::patientCandidates({"al", "_%"}, true).isEmpty());

        // The index follows every change made afterwards, by the program or by the sqlite3 tool.
        QVERIFY(sql::exec("update Patients set Nom = 'Ali Benali', Age = 40 where Nom = 'Ali'"));
        QVERIFY(sql::exec("update Patients set Age = 41"));
        QCOMPARE(found("benali"), QStringList({"Ali Benali"}));
        QVERIFY(sql::exec("delete from Patients where Nom like 'Élodie%'"));
        QCOMPARE(found("ran"), QStringList({"Ali Benali"}));
        QVERIFY(sql::exec("insert into patients_search (patients_search) values ('integrity-check')"));
        QCOMPARE(column("select count(*) from sqlite_master where name = 'idx_rendezvous_day'"), QStringList({"1"}));
        db = QSqlDatabase();
        database::closeDefaultConnection();
    }

    // The candidates of the visit and appointment indexes never lose a row that the like filter keeps, after
    // any change to the visits, the appointments or the patients' names, the date triggers included.
    void visitAndAppointmentCandidatesKeepEveryMatchingRow() {
        TempOffice office;
        for (const char* statement :
             {"insert into Patients (Nom) values ('Élodie Durand'), ('Ali Benali')",
              "insert into Visites (PatientNum, Type, VDate, Motif, Diagnostique) values "
              "(1, 'SOINS', '12-08-2025 10:30', 'Douleur', 'Carie'), (2, 'SOINS', '2025-12-08T09:00:00', 'Contrôle', "
              "'')",
              "insert into Rendezvous (PatientNum, RVDate, traitement) values (1, '12-08-2025 10:30', 'Détartrage'), "
              "(2, '2025-12-08T09:00:00', 'Extraction')"})
            QVERIFY2(office.exec(statement), statement);

        // A server searches the visits with the like filter alone.
        const bool onServer = !testsupport::serverLocation().isEmpty();
        const auto visits = [onServer](const QString& typed, bool narrowed) {
            const QString slashed = QString(typed).replace('-', '/');
            const QString filter = QString("(Nom like '%1' or motif like '%1' or diagnostique like '%1' or "
                                           "typeProthese like '%1' or vdate like '%1' or vdate like '%2')")
                                       .arg("%" + typed + "%", "%" + slashed + "%");
            const QString candidates = search::visitCandidates(typed);
            if (narrowed && candidates.isEmpty() && !onServer)
                return QStringList({"no candidates"});
            return column("select VisiteNum from vSoinsProthese where " +
                          (narrowed && !candidates.isEmpty() ? candidates + " and " : QString()) + filter +
                          " order by VisiteNum");
        };
        const auto appointments = [](const QString& typed, bool narrowed) {
            const QString filter =
                QString("(Nom like '%1' or traitement like '%1' or Etat like '%1')").arg("%" + typed + "%");
            const QString candidates = search::appointmentCandidates(typed);
            if (narrowed && candidates.isEmpty())
                return QStringList({"no candidates"});
            return column("select RVNum from vRendezvous where " +
                          (narrowed && !candidates.isEmpty() ? candidates + " and " : QString()) + filter +
                          " order by RVNum");
        };
        const auto checkAll = [&](const QStringList& expectedVisits, const QStringList& expectedAppointments) {
            for (const char* typed : {"12-08", "12/08/2025 10:3", "08-12", "élodie", "BENALI", "carie", "cont"}) {
                QCOMPARE(visits(typed, true), visits(typed, false));
            }
            for (const char* typed : {"DURAND", "benali", "détart", "extr", "attente", "présent", "personne"})
                QCOMPARE(appointments(typed, true), appointments(typed, false));
            QCOMPARE(visits("12-08", true), expectedVisits);
            QCOMPARE(appointments("durand", true), expectedAppointments);
        };
        // "12-08" is the 12th of August (visit 1) as the user reads it, never the stored 2025-12-08.
        checkAll({"1"}, {"1"});

        QVERIFY(office.exec("update Visites set VDate = '12-08-2024 08:00', Motif = 'Contrôle' where VisiteNum = 2"));
        QVERIFY(office.exec("update Patients set Nom = 'Ali Durand' where Num = 2"));
        QVERIFY(office.exec("update Rendezvous set Etat = 'Présent' where RVNum = 1"));
        QVERIFY(office.exec("update Patients set Age = 30"));
        checkAll({"1", "2"}, {"1", "2"});

        QVERIFY(office.exec("delete from Visites where VisiteNum = 1"));
        QVERIFY(office.exec("delete from Rendezvous where RVNum = 1"));
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate, Motif) values (1, 'SOINS', "
                            "'12-08-2023', 'Urgence')"));
        checkAll({"2", "3"}, {"2"});
        if (!onServer) {
            QVERIFY(sql::exec("insert into visites_search (visites_search) values ('integrity-check')"));
            QVERIFY(sql::exec("insert into rendezvous_search (rendezvous_search) values ('integrity-check')"));
        }
    }

    void failedStatementReportsFailure() {
        TempOffice office;
        QSqlQuery query;
        QVERIFY(!sql::exec(query, "select * from no_such_table"));
        QVERIFY(query.lastError().isValid());
        QVERIFY(sql::exec("PRAGMA foreign_keys = ON"));
    }
};

KELVORA_TEST(TestEngine)
#include "test_engine.moc"
