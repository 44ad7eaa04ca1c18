#include "data/recalls.h"

#include "data/sql.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace recalls {

namespace {

// One row per patient: the same text is understood by both engines.
const char* const TableStatement = "CREATE TABLE IF NOT EXISTS Rappels ("
                                   "PatientNum INTEGER PRIMARY KEY, "
                                   "NePasRappeler INTEGER DEFAULT 0, "
                                   "Appele TEXT, "
                                   "Note TEXT)";

// The stored form of a call's date: sorts and compares in time order on both engines.
const char* const CalledFormat = "yyyy-MM-dd";

QDate dateOf(const QVariant& value) {
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

bool ensureTable() {
    return install(QSqlDatabase::database(QSqlDatabase::defaultConnection, false));
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quotedText = text;
    quotedText.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quotedText + QLatin1Char('"');
}

} // namespace

bool install(const QSqlDatabase& db) {
    if (!db.isOpen())
        return false;
    QSqlQuery query(db);
    return sql::exec(query, QString::fromLatin1(TableStatement));
}

QList<Row> due(int months, const QDate& today) {
    QList<Row> rows;
    if (!ensureTable())
        return rows;
    // The dates are compared here rather than in SQL: the two engines store them differently.
    QSqlQuery query;
    if (!sql::exec(query, QStringLiteral("SELECT p.Num, p.Nom, p.Tel, v.lastvisit, r.nextrv, k.NePasRappeler, "
                                         "k.Appele, k.Note FROM Patients p "
                                         "JOIN (SELECT PatientNum, MAX(VDate) AS lastvisit FROM Visites "
                                         "GROUP BY PatientNum) v ON v.PatientNum = p.Num "
                                         "LEFT JOIN (SELECT PatientNum, MAX(RVDate) AS nextrv FROM Rendezvous "
                                         "GROUP BY PatientNum) r ON r.PatientNum = p.Num "
                                         "LEFT JOIN Rappels k ON k.PatientNum = p.Num")))
        return rows;
    const QDate limit = today.addMonths(-months);
    while (query.next()) {
        if (query.value(5).toInt() != 0)
            continue;
        const QDate last = dateOf(query.value(3));
        if (!last.isValid() || last > limit)
            continue;
        const QDate next = dateOf(query.value(4));
        if (next.isValid() && next >= today)
            continue;
        Row row;
        row.patient = query.value(0).toInt();
        row.name = query.value(1).toString();
        row.telephone = query.value(2).toString();
        row.lastVisit = last;
        row.daysOverdue = int(last.daysTo(limit));
        row.called = dateOf(query.value(6));
        row.note = query.value(7).toString();
        rows << row;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.daysOverdue != b.daysOverdue)
            return a.daysOverdue > b.daysOverdue;
        const int byName = QString::localeAwareCompare(a.name, b.name);
        return byName != 0 ? byName < 0 : a.patient < b.patient;
    });
    return rows;
}

namespace {

// Writes the patient's row, making it first when he has none.
bool writeMark(int patient, const QString& assignments, const QVariantList& values) {
    if (!ensureTable())
        return false;
    QSqlQuery existing;
    if (!sql::prepare(existing, QStringLiteral("SELECT COUNT(*) FROM Rappels WHERE PatientNum = ?")))
        return false;
    existing.addBindValue(patient);
    if (!sql::execPrepared(existing) || !existing.next())
        return false;
    if (existing.value(0).toInt() == 0 &&
        sql::write(QStringLiteral("INSERT INTO Rappels (PatientNum, NePasRappeler) VALUES (?, 0)"), {patient}) !=
            sql::Outcome::Done)
        return false;
    QVariantList bound = values;
    bound << patient;
    return sql::write(QStringLiteral("UPDATE Rappels SET %1 WHERE PatientNum = ?").arg(assignments), bound) ==
           sql::Outcome::Done;
}

} // namespace

bool markCalled(int patient, const QString& note, const QDate& when) {
    return writeMark(patient, QStringLiteral("Appele = ?, Note = ?"),
                     {when.toString(QString::fromLatin1(CalledFormat)), note});
}

bool setDoNotRecall(int patient, bool doNotRecall) {
    return writeMark(patient, QStringLiteral("NePasRappeler = ?"), {doNotRecall ? 1 : 0});
}

QByteArray csv(const QList<Row>& rows) {
    QString text = QStringLiteral("Patient,Nom,Tel,Derniere visite,Jours de retard,Appele,Note\r\n");
    for (const Row& row : rows) {
        const QStringList fields{QString::number(row.patient),
                                 csvField(row.name),
                                 csvField(row.telephone),
                                 row.lastVisit.toString(QStringLiteral("dd-MM-yyyy")),
                                 QString::number(row.daysOverdue),
                                 row.called.isValid() ? row.called.toString(QStringLiteral("dd-MM-yyyy")) : QString(),
                                 csvField(row.note)};
        text += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

} // namespace recalls
