// Times what a user waits for on an office with twenty years of records: the patient search at every
// keystroke, a patient's visit list, the all-visits search, the day's appointments and the receipts.

#include "data/database.h"
#include "data/schema.h"
#include "data/sql.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <ctime>

namespace {

const int patientCount = 50000;
const int visitCount = 200000;
const int actCount = 500000;
const int appointmentCount = 100000;

void fill() {
    QStringList first = {"Ali", "Élodie", "Karim", "Nadia", "Sofiane", "Amel", "Yacine", "Meriem", "Seán", "Inès"};
    QStringList last = {"Benali", "Durand", "O'Brien", "Haddad", "Lefèvre", "Mansouri", "Rahmani", "Saïdi"};
    auto* random = QRandomGenerator::global();
    QSqlQuery query;
    sql::exec("BEGIN");
    query.prepare("insert into Patients (Nom, Age, Annee, Sexe, Tel, Adresse, Antecedent_G, Autres) "
                  "values (?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < patientCount; ++i) {
        query.addBindValue(last[random->bounded(last.size())] + " " + first[random->bounded(first.size())]);
        query.addBindValue(random->bounded(90));
        query.addBindValue(1930 + random->bounded(90));
        query.addBindValue(random->bounded(2) ? "M" : "F");
        query.addBindValue(QString("0550%1").arg(random->bounded(1000000), 6, 10, QChar('0')));
        query.addBindValue(QString("%1 rue des Oliviers").arg(random->bounded(200)));
        query.addBindValue(random->bounded(10) == 0 ? "Diabète" : "");
        query.addBindValue("");
        query.exec();
    }
    query.prepare("insert into Visites (PatientNum, Type, VDate, Motif) values (?, ?, ?, ?)");
    for (int i = 0; i < visitCount; ++i) {
        query.addBindValue(1 + random->bounded(patientCount));
        query.addBindValue(random->bounded(5) == 0 ? "PROTHESE" : "SOINS");
        query.addBindValue(
            QDateTime(QDate(2005, 1, 1).addDays(random->bounded(7300)), QTime(8 + random->bounded(10), 0))
                .toString("dd-MM-yyyy HH:mm"));
        query.addBindValue("Douleur dentaire");
        query.exec();
    }
    query.prepare("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) "
                  "values (?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < actCount; ++i) {
        query.addBindValue(1 + random->bounded(visitCount));
        query.addBindValue(
            QDateTime(QDate(2005, 1, 1).addDays(random->bounded(7300)), QTime(9, 30)).toString("dd-MM-yyyy HH:mm"));
        query.addBindValue("Extraction");
        query.addBindValue(1000 + random->bounded(5000));
        query.addBindValue(random->bounded(5000));
        query.addBindValue(1 + random->bounded(2));
        query.exec();
    }
    query.prepare("insert into Rendezvous (PatientNum, RVDate, traitement) values (?, ?, ?)");
    for (int i = 0; i < appointmentCount; ++i) {
        query.addBindValue(1 + random->bounded(patientCount));
        query.addBindValue(QDateTime(QDate::currentDate().addDays(random->bounded(3650) - 3600), QTime(10, 0))
                               .toString("dd-MM-yyyy HH:mm:ss"));
        query.addBindValue("Contrôle");
        query.exec();
    }
    sql::exec("COMMIT");
    sql::exec("ANALYZE");
}

// Processor time of this thread in milliseconds: steadier than wall time on a shared machine.
double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Milliseconds to filter a table model and read every row, as a list view does when it is shown.
double timeModel(const QString& table, const QString& filter, int* rows) {
    const double start = cpuMilliseconds();
    QSqlTableModel model;
    model.setTable(table);
    model.setFilter(filter);
    model.select();
    while (model.canFetchMore())
        model.fetchMore();
    *rows = model.rowCount();
    return cpuMilliseconds() - start;
}

void report(const char* what, const QString& table, const QString& filter) {
    int rows = 0;
    double best = 1e12;
    for (int i = 0; i < 3; ++i)
        best = qMin(best, timeModel(table, filter, &rows));
    std::printf("%-40s %9.1f ms cpu  %7d rows\n", what, best, rows);
}

QString findPatientFilter(const QString& text) {
    const QStringList words = sql::quoted(text).split(' ');
    const QStringList columns = {"n°dossier", "nom", "Antecedent_G", "Antecedent_L",
                                 "Adresse",   "Tel", "annee",        "autres"};
    QStringList groups;
    for (const QString& column : columns) {
        QStringList group;
        for (const QString& word : words)
            group << "   " + column + " like '%" + word + "%' ";
        groups << group.join(" and ");
    }
    return "  num like '%%' and ( " + groups.join(" ) or ( ") + " ) ";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("kelvora.sql.debug=false");
    QTemporaryDir dir;
    const QString path = dir.filePath("data.mdb");
    schema::createDatabaseFile(path);
    QSqlDatabase db = database::addDefaultConnection();
    db.setDatabaseName(path);
    if (!database::open(db))
        return 1;

    QElapsedTimer timer;
    timer.start();
    fill();
    std::printf("filled %d patients, %d visits, %d acts, %d appointments in %.1f s\n", patientCount, visitCount,
                actCount, appointmentCount, timer.elapsed() / 1000.0);

    report("find patient: one word", "patients", findPatientFilter("benali"));
    report("find patient: two words", "patients", findPatientFilter("o'brien seán"));
    report("find patient: empty line", "patients", findPatientFilter(""));
    report("visits of a patient", "vVisites",
           "(vdate like '%%' or Motif like '%%' or Diagnostique like '%%' or  TypeProthese like '%%' )and   "
           "PatientNum = 1234 and Type like '%SOINS%' ");
    report("acts of a visit", "vTraitements", " visite_id = 4321");
    report("all visits: search 05-03", "vSoinsProthese",
           "( Nom like '%05-03%'  or motif  like '%05-03%'  or vdate like '%05-03%'  or vdate like '%05/03%'  ) and "
           "Type like '%SOINS%'  ");
    report("appointments of today", "vRendezvous",
           " rvdate =datevalue('" + QDate::currentDate().toString("yyyy-MM-dd") + "')");
    report("receipts of a year, per day", "Query",
           " VDate Between datevalue('01-01-2020') And datevalue('31-12-2020') ");
    report("receipts per patient", "vPatient", "id = 2");
    db = QSqlDatabase();
    database::closeDefaultConnection();
    return 0;
}
