#include "data/sql.h"

#include <QLoggingCategory>
#include <QSqlError>

Q_LOGGING_CATEGORY(lcSql, "kelvora.sql")

namespace sql {

QString quoted(const QString& text) {
    QString result = text;
    result.replace(QLatin1Char('\''), QLatin1String("''"));
    return result;
}

QString adapted(const QString& statement) {
    QString result = statement;
    result.replace(QLatin1String("]!["), QLatin1String("].["));
    return result;
}

static void report(const QSqlQuery& query, const QString& statement, bool ok) {
    if (ok)
        qCDebug(lcSql).noquote() << statement;
    else
        qCWarning(lcSql).noquote() << statement << "->" << query.lastError().text();
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
