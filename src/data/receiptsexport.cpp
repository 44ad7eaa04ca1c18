#include "data/receiptsexport.h"

#include "data/sql.h"

#include <QSqlQuery>
#include <QVariant>

namespace receiptsexport {

namespace {

QString dayText(const QDate& day) {
    return day.toString(QStringLiteral("dd-MM-yyyy"));
}

// A field of a CSV line: quoted when it holds a separator, a quote or a line break, its quotes doubled.
QByteArray field(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

void addLine(QByteArray& out, const QStringList& fields) {
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += field(fields.at(i));
    }
    out += "\r\n";
}

} // namespace

Period read(const QDate& first, const QDate& last, int doctor) {
    Period period;
    const QString ofDoctor = doctor > 0 ? QStringLiteral(" and id = ") + QString::number(doctor) : QString();
    // The days as the receipts window lists them, each day's amounts cut to whole ones as it shows them.
    QSqlQuery days;
    period.ok = sql::exec(days, QStringLiteral("select VDate, \"Médecin\", cast(SommeDeFrais as integer), "
                                               "cast(SommeDePayement as integer) from Query where VDate between "
                                               "datevalue('") +
                                    dayText(first) + QStringLiteral("') and datevalue('") + dayText(last) +
                                    QStringLiteral("')") + ofDoctor + QStringLiteral(" order by VDate, id"));
    while (period.ok && days.next()) {
        Row row;
        row.day = days.value(0).toDate();
        if (!row.day.isValid())
            row.day = QDate::fromString(days.value(0).toString().left(10), QStringLiteral("yyyy-MM-dd"));
        row.doctor = days.value(1).toString();
        row.fee = days.value(2).toLongLong();
        row.payment = days.value(3).toLongLong();
        period.fees += row.fee;
        period.payments += row.payment;
        period.days.append(row);
    }

    // Each patient's acts of the period; the acts' times run up to the day after the last.
    const QString actDoctor =
        doctor > 0 ? QStringLiteral(" and Traitements.Medcin_id = ") + QString::number(doctor) : QString();
    QSqlQuery patients;
    period.ok = period.ok &&
                sql::exec(patients, QStringLiteral(
                                        "select Patients.Nom, (select \"user\".Name from \"user\" where \"user\".id = "
                                        "Traitements.Medcin_id), cast(coalesce(sum(Traitements.Frais), 0) as integer), "
                                        "cast(coalesce(sum(Traitements.Payement), 0) as integer) from Traitements "
                                        "inner join Visites on Visites.VisiteNum = Traitements.visite_id inner join "
                                        "Patients on Patients.Num = Visites.PatientNum where Traitements.VDate >= "
                                        "datevalue('") +
                                        dayText(first) + QStringLiteral("') and Traitements.VDate < datevalue('") +
                                        dayText(last.addDays(1)) + QStringLiteral("')") + actDoctor +
                                        QStringLiteral(" group by Patients.Num, Patients.Nom, Traitements.Medcin_id "
                                                       "order by Patients.Nom, Patients.Num, Traitements.Medcin_id"));
    while (period.ok && patients.next()) {
        Row row;
        row.patient = patients.value(0).toString();
        row.doctor = patients.value(1).toString();
        row.fee = patients.value(2).toLongLong();
        row.payment = patients.value(3).toLongLong();
        period.patients.append(row);
    }
    return period;
}

QByteArray csv(const Period& period) {
    QByteArray out;
    addLine(out, {QStringLiteral("type"), QStringLiteral("date"), QStringLiteral("patient"), QStringLiteral("doctor"),
                  QStringLiteral("fee"), QStringLiteral("payment"), QStringLiteral("balance")});
    const auto amounts = [](const Row& row) {
        return QStringList{QString::number(row.fee), QString::number(row.payment), QString::number(row.balance())};
    };
    for (const Row& row : period.days)
        addLine(out, QStringList{QStringLiteral("day"), row.day.toString(QStringLiteral("yyyy-MM-dd")), QString(),
                                 row.doctor} +
                         amounts(row));
    for (const Row& row : period.patients)
        addLine(out, QStringList{QStringLiteral("patient"), QString(), row.patient, row.doctor} + amounts(row));
    Row total;
    total.fee = period.fees;
    total.payment = period.payments;
    addLine(out, QStringList{QStringLiteral("total"), QString(), QString(), QString()} + amounts(total));
    return out;
}

} // namespace receiptsexport
