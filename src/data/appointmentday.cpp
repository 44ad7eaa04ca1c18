#include "data/appointmentday.h"

#include "data/role.h"
#include "data/server.h"
#include "data/sql.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace appointmentday {

namespace {

// The days as a half-open range of the stored date-times, which both engines compare through the index
// on RVDate.
QString rangeClause(const QDate& first, const QDate& last) {
    return QStringLiteral(" Rendezvous.RVDate >= datevalue('") + first.toString(QStringLiteral("dd-MM-yyyy")) +
           QStringLiteral("') and Rendezvous.RVDate < datevalue('") +
           last.addDays(1).toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral("') ");
}

QDateTime dateTimeOf(const QVariant& stored) {
    if (stored.typeId() == QMetaType::QDateTime)
        return stored.toDateTime();
    return QDateTime::fromString(stored.toString().left(19), Qt::ISODate);
}

} // namespace

bool Appointment::operator==(const Appointment& other) const {
    return rvNum == other.rvNum && patientNum == other.patientNum && when == other.when && doctor == other.doctor &&
           patientName == other.patientName && treatment == other.treatment && state == other.state;
}

QVector<Appointment> read(const QDate& first, const QDate& last) {
    QVector<Appointment> found;
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!sql::exec(query, QStringLiteral("select Rendezvous.RVNum, Rendezvous.PatientNum, Rendezvous.RVDate, "
                                         "Rendezvous.Médecin, Patients.Nom, Rendezvous.traitement, Rendezvous.Etat "
                                         "from Rendezvous inner join Patients on Rendezvous.PatientNum = "
                                         "Patients.Num where") +
                              rangeClause(first, last) +
                              QStringLiteral("order by Rendezvous.RVDate, Rendezvous.RVNum")))
        return found;
    while (query.next()) {
        Appointment appointment;
        appointment.rvNum = query.value(0).toInt();
        appointment.patientNum = query.value(1).toInt();
        appointment.storedWhen = query.value(2);
        appointment.when = dateTimeOf(appointment.storedWhen);
        appointment.storedDoctor = query.value(3);
        appointment.doctor = appointment.storedDoctor.toString().trimmed();
        appointment.patientName = query.value(4).toString();
        appointment.treatment = query.value(5).toString();
        appointment.state = query.value(6).toString();
        found.append(appointment);
    }
    return found;
}

QStringList doctors() {
    QStringList names;
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!sql::exec(query, QStringLiteral("select Name from user where Role >= 1 and Role <= ") +
                              QString::number(Role::lastDoctor) + QStringLiteral(" order by Name")))
        return names;
    while (query.next()) {
        const QString name = query.value(0).toString().trimmed();
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}

QVariant changeMark(const QDate& first, const QDate& last) {
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!server::isServer(QSqlDatabase::database())) {
        // The file's change counter moves only when another connection wrote the file; this station's own
        // writes are redrawn by the window that made them.
        if (!sql::exec(query, QStringLiteral("PRAGMA data_version")) || !query.next())
            return {};
        return query.value(0);
    }
    // On a server every written row gets a newer transaction number: a row changed, moved in or added
    // raises the largest of them, and one moved out or deleted lowers the count.
    if (!sql::exec(query, QStringLiteral("select count(*), max(xmin::text::bigint) from Rendezvous where") +
                              rangeClause(first, last)) ||
        !query.next())
        return {};
    return QString::number(query.value(0).toLongLong()) + QLatin1Char('/') + query.value(1).toString();
}

} // namespace appointmentday
