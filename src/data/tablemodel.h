#pragma once

#include "data/sql.h"

#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVector>

// A small table that the user edits cell by cell (the reference lists and the users). All of its rows are
// read at once, so that nothing stays open on the database while the list is on show. A row is written
// only over the row as it was read: when another workstation changed it meanwhile nothing is written, the
// edit stays in its cell, and the next try writes it over what is stored now. A new row into which nothing
// was typed is never written.
class TableModel : public QSqlTableModel {
    Q_OBJECT

public:
    using QSqlTableModel::QSqlTableModel;

    bool select() override;

    // No field of the record was given a text: the key and the defaults are the engine's to fill.
    static bool holdsNothing(const QSqlRecord& record);

signals:
    // A write of the list was refused; for Changed, `replaced` lists the stored values the edit replaces.
    void writeRefused(sql::Outcome outcome, const QStringList& replaced);

protected:
    bool updateRowInTable(int row, const QSqlRecord& values) override;
    bool insertRowIntoTable(const QSqlRecord& values) override;
    bool deleteRowFromTable(int row) override;

private:
    // The row a write goes over: as read, as written since, or as found stored after a refused write.
    QSqlRecord baseline(int row) const;
    bool refuse(sql::Outcome outcome, const QStringList& replaced = {});

    QVector<QSqlRecord> readRows;
};
