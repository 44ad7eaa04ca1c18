#include "data/tablemodel.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

namespace {

QString quotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

bool TableModel::select() {
    readRows.clear();
    if (!QSqlTableModel::select())
        return false;
    while (canFetchMore())
        fetchMore();
    // Kept apart: once a cell is edited, the toolkit's model answers with the edit, not with the row read.
    for (int row = 0; row < rowCount(); ++row)
        readRows << QSqlQueryModel::record(row);
    return true;
}

bool TableModel::holdsNothing(const QSqlRecord& record) {
    for (int field = 0; field < record.count(); ++field)
        if (record.isGenerated(field) && !record.value(field).toString().isEmpty())
            return false;
    return true;
}

QSqlRecord TableModel::baseline(int row) const {
    // A row added in this list and written since is known by its key only.
    return row < readRows.size() ? readRows.at(row) : primaryValues(row);
}

bool TableModel::refuse(sql::Outcome outcome, const QStringList& replaced) {
    setLastError(QSqlError(QString(), QStringLiteral("not written"), QSqlError::StatementError));
    emit writeRefused(outcome, replaced);
    return false;
}

bool TableModel::updateRowInTable(int row, const QSqlRecord& values) {
    const QSqlRecord read = baseline(row);
    QStringList assignments;
    QVariantList bound;
    for (int field = 0; field < values.count(); ++field) {
        if (!values.isGenerated(field))
            continue;
        assignments << quotedName(values.fieldName(field)) + QStringLiteral(" = ?");
        bound << values.value(field);
    }
    if (assignments.isEmpty())
        return true;
    const QString key = read.fieldName(0);
    bound << read.value(0);
    const sql::Outcome outcome = sql::writeIfUnchanged(
        QStringLiteral("UPDATE ") + tableName() + QStringLiteral(" SET ") + assignments.join(QStringLiteral(", ")) +
            QStringLiteral(" WHERE ") + quotedName(key) + QStringLiteral(" = ?"),
        read, bound);
    if (outcome == sql::Outcome::Done) {
        if (row < readRows.size())
            for (int field = 0; field < values.count(); ++field)
                if (values.isGenerated(field))
                    readRows[row].setValue(values.fieldName(field), values.value(field));
        return true;
    }
    if (outcome != sql::Outcome::Changed)
        return refuse(outcome);
    // The next try goes over what is stored now; say which of the edited cells it replaces.
    const QSqlRecord now = sql::storedRow(tableName(), key, read.value(0));
    QStringList replaced;
    for (int field = 0; field < values.count(); ++field)
        if (values.isGenerated(field) && now.value(values.fieldName(field)) != read.value(values.fieldName(field)))
            replaced << values.fieldName(field) + QStringLiteral(" : ") + now.value(values.fieldName(field)).toString();
    if (!now.isEmpty() && row < readRows.size())
        readRows[row] = now;
    return refuse(outcome, replaced);
}

bool TableModel::insertRowIntoTable(const QSqlRecord& values) {
    // Stays pending, unreported: the dialog gives up a new row left without a word.
    if (holdsNothing(values))
        return false;
    if (QSqlTableModel::insertRowIntoTable(values))
        return true;
    return refuse(sql::failure(lastError()));
}

bool TableModel::deleteRowFromTable(int row) {
    if (QSqlTableModel::deleteRowFromTable(row))
        return true;
    return refuse(sql::failure(lastError()));
}
