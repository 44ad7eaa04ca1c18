#include "data/sql.h"

#include <QLoggingCategory>
#include <QSqlError>

// Statements carry what users typed (names, medical history): they are written only when a developer turns
// the category on (QT_LOGGING_RULES="kelvora.sql.debug=true").
Q_LOGGING_CATEGORY(lcSql, "kelvora.sql", QtInfoMsg)

namespace sql {

QString quoted(const QString& text) {
    QString result = text;
    // A NUL pasted into a field is nothing a user can see, and no engine takes it inside a statement.
    result.remove(QChar(0));
    result.replace(QLatin1Char('\''), QLatin1String("''"));
    return result;
}

static QVariant bindable(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return value;
    QString text = value.toString();
    return text.contains(QChar(0)) ? QVariant(text.remove(QChar(0))) : value;
}

QString withoutValues(const QString& statement) {
    QString result;
    result.reserve(statement.size());
    const int n = int(statement.size());
    for (int i = 0; i < n;) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('\'')) {
            // A quoted text, its doubled quotes included.
            for (++i; i < n; ++i) {
                if (statement.at(i) != QLatin1Char('\''))
                    continue;
                if (i + 1 < n && statement.at(i + 1) == QLatin1Char('\'')) {
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
            result += QLatin1Char('?');
        } else if (c.isDigit() &&
                   (i == 0 || !(statement.at(i - 1).isLetterOrNumber() || statement.at(i - 1) == QLatin1Char('_')))) {
            while (i < n && (statement.at(i).isLetterOrNumber() || statement.at(i) == QLatin1Char('.')))
                ++i;
            result += QLatin1Char('?');
        } else if (c == QLatin1Char('"') || c == QLatin1Char('[')) {
            // A name is no value: kept as it stands.
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            const int end = int(statement.indexOf(close, i + 1));
            const int stop = end < 0 ? n : end + 1;
            result += statement.mid(i, stop - i);
            i = stop;
        } else {
            result += c;
            ++i;
        }
    }
    return result;
}

QString errorText(const QSqlError& error) {
    // The server adds lines that quote the values of the row (DETAIL: Key (Nom)=(...)): only the first says
    // what failed.
    const QString database = error.databaseText().section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString driver = error.driverText().section(QLatin1Char('\n'), 0, 0).trimmed();
    return database.isEmpty() ? driver : driver.isEmpty() ? database : database + QLatin1Char(' ') + driver;
}

QString adapted(const QString& statement) {
    QString result = statement;
    result.replace(QLatin1String("]!["), QLatin1String("].["));
    return result;
}

static void report(const QSqlQuery& query, const QString& statement, bool ok) {
    if (ok)
        qCDebug(lcSql).noquote() << statement;
    else if (lcSql().isDebugEnabled())
        qCWarning(lcSql).noquote() << statement << "->" << query.lastError().text();
    else
        qCWarning(lcSql).noquote() << "Statement failed:" << withoutValues(statement) << "->"
                                   << errorText(query.lastError());
}

bool exec(QSqlQuery& query, const QString& statement) {
    const QString text = adapted(statement);
    const bool ok = query.exec(text);
    report(query, text, ok);
    return ok;
}

bool exec(const QString& statement) {
    QSqlQuery query;
    return exec(query, statement);
}

bool prepare(QSqlQuery& query, const QString& statement) {
    const QString text = adapted(statement);
    const bool ok = query.prepare(text);
    if (!ok)
        report(query, text, ok);
    return ok;
}

bool execPrepared(QSqlQuery& query) {
    const bool ok = query.exec();
    report(query, query.lastQuery(), ok);
    return ok;
}

} // namespace sql

namespace sql {

namespace {

QString quotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// A comparison that holds when both sides are empty (NULL) too.
QString sameValue(const QString& column) {
    return quotedName(column) + QStringLiteral(" IS ?");
}

} // namespace

bool isBusy(const QSqlError& error) {
    // SQLITE_BUSY and SQLITE_LOCKED; on a server, the states of a lock wait given up (lock_not_available), and
    // of two stations that held what the other wanted (deadlock_detected, serialization_failure).
    static const QStringList busyCodes = {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("55P03"),
                                          QStringLiteral("40P01"), QStringLiteral("40001")};
    return busyCodes.contains(error.nativeErrorCode()) ||
           error.databaseText().contains(QLatin1String("locked"), Qt::CaseInsensitive);
}

Outcome failure(const QSqlError& error) {
    return isBusy(error) ? Outcome::Busy : Outcome::Failed;
}

Outcome write(const QString& statement, const QVariantList& values) {
    QSqlQuery query;
    if (!prepare(query, statement))
        return failure(query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(bindable(value));
    return execPrepared(query) ? Outcome::Done : failure(query.lastError());
}

Outcome writeIfUnchanged(const QString& statement, const QSqlRecord& loaded, const QVariantList& values) {
    QString guarded = statement;
    QVariantList bound;
    for (const QVariant& value : values)
        bound << bindable(value);
    for (int field = 0; field < loaded.count(); ++field) {
        guarded += QStringLiteral(" AND ") + sameValue(loaded.fieldName(field));
        bound << loaded.value(field);
    }
    QSqlQuery query;
    if (!prepare(query, guarded))
        return failure(query.lastError());
    for (const QVariant& value : std::as_const(bound))
        query.addBindValue(value);
    if (!execPrepared(query))
        return failure(query.lastError());
    return query.numRowsAffected() > 0 ? Outcome::Done : Outcome::Changed;
}

QSqlRecord storedRow(const QString& table, const QString& keyColumn, const QVariant& key) {
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!prepare(query, QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE ") + quotedName(keyColumn) +
                            QStringLiteral(" = ?")))
        return {};
    query.addBindValue(key);
    if (!execPrepared(query) || !query.next())
        return {};
    return query.record();
}

} // namespace sql
