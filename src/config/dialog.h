#pragma once

#include "data/role.h"

#include <QDialog>

#include <memory>

class TableModel;
class QTableView;

namespace Ui {
class Dialog;
}

// The options: the office's reference lists and its users, each an editable view bound to its table.
// Edits of a row are written when the user confirms them with Enter or moves to another row.
class Dialog : public QDialog {
    Q_OBJECT

public:
    explicit Dialog(int userRole, QWidget* parent = nullptr);
    ~Dialog() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();
    void on_pushButtonNouveau_clicked();
    void on_pushButtonSupprimer_clicked();
    void updateRowButtons();

private:
    TableModel* attachTable(QTableView* view, const QString& table, int hiddenColumns);
    static bool isUntouchedNewRow(const TableModel* model, int row);
    QTableView* currentView() const;
    int textColumn(const QTableView* view) const;

    std::unique_ptr<Ui::Dialog> ui;
    Role role;
};
