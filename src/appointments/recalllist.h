#pragma once

#include "data/recalls.h"

#include <QDialog>

class QSpinBox;
class QTableWidget;

// The patients due back: book one, note a call, leave one out; print the list or save it as CSV.
class RecallList : public QDialog {
    Q_OBJECT

public:
    explicit RecallList(int user, QWidget* parent = nullptr);

    void reload();

private:
    int selectedPatient() const;
    void book();
    void markCalled();
    void doNotRecall();
    void print();
    void exportCsv();

    int userId;
    QSpinBox* months;
    QTableWidget* table;
    QList<recalls::Row> rows;
};
