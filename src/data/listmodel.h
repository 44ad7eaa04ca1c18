#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPair>
#include <QSqlError>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>

// A list of the rows of one table or saved query, narrowed by a filter clause and ordered by one column.
// It reads its rows in pages through short statements that run to their end, so that a list left open on
// a workstation never holds the database while its user looks at it; scrolling to the end of what was read
// reads the next page. It offers the reading interface of the toolkit's table model (table, filter, sort,
// select, record, field index, header titles) and deletes rows of a table by their key (column 0).
class ListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Rows read by one statement; a view shows a few dozen at a time.
    static constexpr int PageSize = 256;

    explicit ListModel(QObject* parent = nullptr);

    // Names the table or saved query and learns its columns; the list stays empty until select().
    void setTable(const QString& table);
    QString tableName() const { return table; }

    // The clause after WHERE (empty for every row). Takes effect at the next select().
    void setFilter(const QString& filter);
    QString filter() const { return whereClause; }

    // The column the rows are ordered by. Takes effect at the next select().
    void setSort(int column, Qt::SortOrder order);

    // Reads the first page of rows again; false when the statement failed (the list is then empty).
    bool select();

    // The columns, without values.
    QSqlRecord record() const { return columns; }
    // The columns with the values of a row that was read (an empty record for any other row).
    QSqlRecord record(int row) const;
    int fieldIndex(const QString& name) const { return columns.indexOf(name); }
    QSqlError lastError() const { return error; }
    // The statement that reads the first page.
    QString selectStatement() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;
    // A header click orders the rows by that column and reads them again.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Deletes the rows of the table by their key; false, with lastError(), when the engine refused.
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

private:
    // Reads the page after the rows already read into the given list.
    bool readPage(QVector<QVector<QVariant>>& into);

    QString table;
    QString whereClause;
    int sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    QSqlRecord columns;
    QVector<QVector<QVariant>> rows;
    bool moreRows = false;
    QSqlError error;
    // Header data given by the windows, by column and role.
    QHash<QPair<int, int>, QVariant> titles;
};
