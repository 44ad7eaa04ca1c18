#include "data/records.h"

#include "data/sql.h"

#include <QSqlQuery>

namespace records {

namespace {

QSqlRecord firstRow(const QString& statement) {
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!sql::exec(query, statement) || !query.next())
        return {};
    return query.record();
}

} // namespace

QSqlRecord user(int userId) {
    return firstRow(QStringLiteral("select * from user where id =") + QString::number(userId));
}

QSqlRecord patient(int patientNum) {
    return firstRow(QStringLiteral("select  * from patients where Num =") + QString::number(patientNum));
}

QSqlRecord newestPatient() {
    // Only the first row is read: a server would otherwise send the whole register.
    return firstRow(QStringLiteral("select * from  Patients order by num DESC limit 1"));
}

} // namespace records
