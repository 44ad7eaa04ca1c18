#include "data/checkup.h"

#include "data/server.h"
#include "data/sql.h"
#include "data/sqlitehandle.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace checkup {

namespace {

// A finding names this many of its rows; the count says how many there are in all.
constexpr int namedRows = 20;

struct Rule {
    const char* what;
    const char* label; // how a row is named, followed by the values the statement selects
    const char* statement;
    bool repairable;
    bool fileOnly;
};

// Every statement selects the rows concerned, in the order they are named.
const Rule rules[] = {
    {"acts without a visit", "Traitements.id",
     "select id from Traitements t where not exists (select 1 from Visites v where v.VisiteNum = t.visite_id) "
     "order by id",
     false, false},
    {"visits without a patient", "Visites.VisiteNum",
     "select VisiteNum from Visites v where not exists (select 1 from Patients p where p.Num = v.PatientNum) "
     "order by VisiteNum",
     false, false},
    {"appointments without a patient", "Rendezvous.RVNum",
     "select RVNum from Rendezvous r where not exists (select 1 from Patients p where p.Num = r.PatientNum) "
     "order by RVNum",
     false, false},
    {"negative balances on acts with a fee", "Traitements.id",
     "select id from Traitements where coalesce(Frais, 0) <> 0 and coalesce(Frais, 0) - coalesce(Payement, 0) < 0 "
     "order by id",
     false, false},
    {"kept receipts that disagree with the acts", "recettes_jour day and doctor",
     "select VDate, Medcin_id from ("
     " select * from (select coalesce(date(VDate), '') as VDate, coalesce(Medcin_id, 0) as Medcin_id,"
     "  sum(coalesce(Frais, 0)), sum(coalesce(Payement, 0)), count(*) from Traitements group by 1, 2"
     "  except select VDate, Medcin_id, Frais, Payement, Actes from recettes_jour)"
     " union all"
     " select * from (select VDate, Medcin_id, Frais, Payement, Actes from recettes_jour"
     "  except select coalesce(date(VDate), ''), coalesce(Medcin_id, 0), sum(coalesce(Frais, 0)),"
     "  sum(coalesce(Payement, 0)), count(*) from Traitements group by 1, 2))"
     " group by 1, 2 order by 1, 2",
     true, true},
    {"patients missing from, or left in, the patient search", "Patients.Num",
     "select * from (select Num from Patients except select rowid from patients_search)"
     " union select * from (select rowid from patients_search except select Num from Patients) order by 1",
     true, true},
    {"visits that the visit search holds otherwise", "Visites.VisiteNum",
     "select * from (select VisiteNum from visites_search_text v where not exists (select 1 from visites_search s"
     " where s.rowid = v.VisiteNum and s.motif is v.Motif and s.diagnostique is v.Diagnostique"
     " and s.typeprothese is v.TypeProthese and s.vdate is v.VDate))"
     " union select * from (select rowid from visites_search except select VisiteNum from Visites) order by 1",
     true, true},
    {"appointments missing from, or left in, the appointment search", "Rendezvous.RVNum",
     "select * from (select RVNum from Rendezvous except select rowid from rendezvous_search)"
     " union select * from (select rowid from rendezvous_search except select RVNum from Rendezvous) order by 1",
     true, true},
};

QString engineCheck(const QSqlDatabase& db) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (server::isServer(db)) {
        // The server keeps its own pages; what can fail here is a table that cannot be read.
        for (const QString& table : server::officeTables()) {
            if (!sql::exec(query, QStringLiteral("select count(*) from \"%1\"").arg(table)))
                return QStringLiteral("%1: %2").arg(table, query.lastError().text());
        }
        return {};
    }
    if (!sql::exec(query, QStringLiteral("PRAGMA integrity_check")))
        return query.lastError().text();
    QStringList messages;
    while (query.next()) {
        const QString message = query.value(0).toString();
        if (message != QLatin1String("ok"))
            messages << message;
    }
    if (query.lastError().isValid())
        messages << query.lastError().text();
    return messages.join(QStringLiteral("; "));
}

} // namespace

bool Report::repairable() const {
    for (const Finding& finding : findings)
        if (finding.repairable)
            return true;
    return false;
}

Report run(const QSqlDatabase& db) {
    Report report;
    report.engineProblem = engineCheck(db);
    if (!report.engineProblem.isEmpty())
        return report;
    const bool onServer = server::isServer(db);
    for (const Rule& rule : rules) {
        if (rule.fileOnly && onServer)
            continue; // the server's search indexes and sums are kept by the server itself
        QSqlQuery query(db);
        query.setForwardOnly(true);
        Finding finding;
        finding.what = QString::fromLatin1(rule.what);
        finding.repairable = rule.repairable;
        if (!sql::exec(query, QString::fromLatin1(rule.statement))) {
            finding.what += QStringLiteral(": cannot be looked at (%1)").arg(query.lastError().text());
            finding.count = 1;
            report.findings.append(finding);
            continue;
        }
        while (query.next()) {
            if (++finding.count > namedRows)
                continue;
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            finding.rows << QString::fromLatin1(rule.label) + QLatin1Char(' ') + values.join(QLatin1Char(' '));
        }
        if (finding.count > 0)
            report.findings.append(finding);
    }
    return report;
}

QString repair(const QSqlDatabase& db) {
    sqlite3* handle = database::sqliteHandle(db);
    if (!handle)
        return QStringLiteral("only an office file has indexes and sums of its own to rebuild");
    // The statements that keep the lists quick rebuild every index and sum from the rows when run again.
    QFile file(QStringLiteral(":/data/lists.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the indexes are missing from the program");
    const QByteArray script = "BEGIN IMMEDIATE;\n" + file.readAll() + "\nCOMMIT;\n";
    char* error = nullptr;
    if (sqlite3_exec(handle, script.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString problem = QString::fromUtf8(error ? error : sqlite3_errmsg(handle));
        sqlite3_free(error);
        if (!sqlite3_get_autocommit(handle))
            sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
        return problem;
    }
    return {};
}

QStringList describe(const Report& report) {
    if (!report.engineProblem.isEmpty())
        return {QStringLiteral("the database fails the engine's check: %1").arg(report.engineProblem)};
    QStringList lines;
    for (const Finding& finding : report.findings) {
        QString line = QStringLiteral("%1 %2").arg(finding.count).arg(finding.what);
        if (!finding.rows.isEmpty())
            line += QStringLiteral(": ") + finding.rows.join(QStringLiteral(", "));
        if (finding.count > finding.rows.size() && !finding.rows.isEmpty())
            line += QStringLiteral(", …");
        if (finding.repairable)
            line += QStringLiteral(" (repairable)");
        lines << line;
    }
    return lines;
}

} // namespace checkup
