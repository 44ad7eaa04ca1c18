#include "data/receipts.h"

#include "data/server.h"
#include "data/sql.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace receipts {

namespace {

// Up to this many acts, grouping the doctor's acts by patient is quicker than reading the register in the
// order of the names until a page of his patients is found.
constexpr int fewActs = 20000;

bool onServer() {
    return server::isServer(QSqlDatabase::database(QSqlDatabase::defaultConnection, false));
}

// The doctor's acts, at most a few beyond fewActs counted: the office file counts them in its daily sums,
// a server in its index on the doctor.
int actsOf(int doctor) {
    const QString id = QString::number(doctor);
    QSqlQuery count;
    const QString statement =
        onServer() ? QStringLiteral("select count(*) from (select 1 from Traitements where Medcin_id = ") + id +
                         QStringLiteral(" limit ") + QString::number(fewActs + 1) + QStringLiteral(") acts")
                   : QStringLiteral("select coalesce(sum(Actes), 0) from recettes_jour where Medcin_id = ") + id;
    return sql::exec(count, statement) && count.next() ? count.value(0).toInt() : fewActs + 1;
}

// The doctor's acts with their visits: the office file reaches them through the days of its daily sums,
// whose index on the day and the doctor then gives each day's acts.
QString actsWithVisits(int doctor) {
    const QString id = QString::number(doctor);
    const QString visits = QStringLiteral(" inner join Visites on Visites.VisiteNum = Traitements.visite_id where ");
    if (onServer())
        return QStringLiteral("Traitements") + visits + QStringLiteral("Traitements.Medcin_id = ") + id;
    // The daily sums lead; the day compared without its column's text affinity, as the index holds it.
    return QStringLiteral("recettes_jour cross join Traitements") + visits +
           QStringLiteral("date(Traitements.VDate) = +recettes_jour.VDate and Traitements.Medcin_id = "
                          "recettes_jour.Medcin_id and recettes_jour.Medcin_id = ") +
           id;
}

} // namespace

bool hasFewActs(int doctor) {
    return actsOf(doctor) <= fewActs;
}

QString daysOfDoctor(int doctor) {
    if (onServer())
        return {};
    return QStringLiteral("(select VDate, cast(Frais as integer) as SommeDeFrais, cast(Payement as integer) as "
                          "SommeDePayement, cast(Frais - Payement as integer) as Reste, Medcin_id as id, "
                          "(select \"user\".Name from \"user\" where \"user\".id = Medcin_id) as \"Médecin\" "
                          "from recettes_jour where VDate <> '' and Medcin_id = ") +
           QString::number(doctor) + QStringLiteral(") days_of_doctor");
}

QString patientsOfDoctor(int doctor) {
    // The amounts are cast as vPatient casts them, so that both lists show the same figures.
    return QStringLiteral(
               "(select Patients.Num as Num, Patients.Nom as Nom, sums.SommeDeFrais as SommeDeFrais, "
               "sums.SommeDePayement as SommeDePayement, sums.Reste as Reste, sums.id as id, "
               "(select \"user\".Name from \"user\" where \"user\".id = sums.id) as \"Médecin\" "
               "from (select Visites.PatientNum as PatientNum, Traitements.Medcin_id as id, "
               "cast(coalesce(sum(Traitements.Frais), 0) as integer) as SommeDeFrais, "
               "cast(coalesce(sum(Traitements.Payement), 0) as integer) as SommeDePayement, "
               "cast(coalesce(sum(Traitements.Frais), 0) - coalesce(sum(Traitements.Payement), 0) as integer) "
               "as Reste from ") +
           actsWithVisits(doctor) +
           QStringLiteral(" group by Visites.PatientNum, Traitements.Medcin_id) sums "
                          "inner join Patients on Patients.Num = sums.PatientNum) patients_of_doctor");
}

} // namespace receipts
