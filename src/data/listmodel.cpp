#include "data/listmodel.h"

#include "data/sql.h"

#include <QSqlField>
#include <QSqlQuery>

namespace {

QString quotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListModel::setTable(const QString& name) {
    beginResetModel();
    table = name;
    rows.clear();
    moreRows = false;
    titles.clear();
    sortColumn = -1;
    QSqlQuery query;
    query.setForwardOnly(true);
    if (sql::exec(query, QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" LIMIT 0"))) {
        columns = query.record();
        error = QSqlError();
    } else {
        columns = QSqlRecord();
        error = query.lastError();
    }
    endResetModel();
}

void ListModel::setFilter(const QString& filter) {
    whereClause = filter;
}

void ListModel::setSort(int column, Qt::SortOrder order) {
    sortColumn = column;
    sortOrder = order;
}

QString ListModel::selectStatement() const {
    QString statement = QStringLiteral("SELECT * FROM ") + table;
    if (!whereClause.trimmed().isEmpty())
        statement += QStringLiteral(" WHERE (") + whereClause + QLatin1Char(')');
    if (sortColumn >= 0 && sortColumn < columns.count())
        statement += QStringLiteral(" ORDER BY ") + quotedName(columns.fieldName(sortColumn)) +
                     (sortOrder == Qt::AscendingOrder ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
    return statement;
}

bool ListModel::select() {
    beginResetModel();
    rows.clear();
    const bool ok = readPage(rows);
    endResetModel();
    return ok;
}

// Reads the rows after those already read. The statement runs to its end before it returns, so that
// nothing stays open on the database between two pages.
bool ListModel::readPage(QVector<QVector<QVariant>>& into) {
    moreRows = false;
    if (table.isEmpty())
        return false;
    const QString statement = selectStatement() + QStringLiteral(" LIMIT ") + QString::number(PageSize + 1) +
                              QStringLiteral(" OFFSET ") + QString::number(rows.size());
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!sql::exec(query, statement)) {
        error = query.lastError();
        return false;
    }
    error = QSqlError();
    const int width = columns.count();
    int read = 0;
    while (query.next()) {
        // One row past the page only tells that there is more to read.
        if (++read > PageSize)
            break;
        QVector<QVariant> values(width);
        for (int column = 0; column < width; ++column)
            values[column] = query.value(column);
        into.append(std::move(values));
    }
    moreRows = read > PageSize;
    query.finish();
    return true;
}

QSqlRecord ListModel::record(int row) const {
    if (row < 0 || row >= rows.size())
        return columns;
    QSqlRecord result = columns;
    const QVector<QVariant>& values = rows.at(row);
    for (int column = 0; column < values.size(); ++column)
        result.setValue(column, values.at(column));
    return result;
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows.size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns.count();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows.size() || index.column() >= columns.count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return rows.at(index.row()).at(index.column());
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns.count())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::EditRole)
        role = Qt::DisplayRole;
    const auto given = titles.constFind({section, role});
    if (given != titles.constEnd())
        return *given;
    return role == Qt::DisplayRole ? QVariant(columns.fieldName(section)) : QVariant();
}

bool ListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns.count())
        return false;
    titles.insert({section, role == Qt::EditRole ? int(Qt::DisplayRole) : role}, value);
    emit headerDataChanged(orientation, section, section);
    return true;
}

bool ListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && moreRows;
}

void ListModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !moreRows)
        return;
    QVector<QVector<QVariant>> page;
    if (!readPage(page) || page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(rows.size()), int(rows.size() + page.size()) - 1);
    rows += page;
    endInsertRows();
}

void ListModel::sort(int column, Qt::SortOrder order) {
    setSort(column, order);
    select();
}

bool ListModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rows.size() || columns.isEmpty())
        return false;
    for (int i = row; i < row + count; ++i) {
        QSqlQuery query;
        if (!sql::prepare(query, QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE ") +
                                     quotedName(columns.fieldName(0)) + QStringLiteral(" = ?"))) {
            error = query.lastError();
            return false;
        }
        query.addBindValue(rows.at(i).at(0));
        if (!sql::execPrepared(query)) {
            error = query.lastError();
            return false;
        }
    }
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    rows.remove(row, count);
    endRemoveRows();
    return true;
}
