#pragma once

#include "data/role.h"

#include <QDate>
#include <QDialog>

#include <memory>

class ListModel;

namespace Ui {
class sumFormDialog;
}

// The office's receipts: the totals per day between two dates with the period's fees, payments and balance,
// and the totals per patient. Doctors other than the first role see only their own days and totals; every
// user but the first sees only his own patients' totals. It only shows figures: nothing is written.
class sumFormDialog : public QDialog {
    Q_OBJECT

public:
    explicit sumFormDialog(int userId, QWidget* parent = nullptr);
    ~sumFormDialog() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_dateEdit_dateChanged(const QDate& date);
    void on_dateEdit_2_dateChanged(const QDate& date);
    void on_pushButton_clicked();

private:
    void laSommeProc();
    static QDate dayOf(const QString& statement);

    std::unique_ptr<Ui::sumFormDialog> ui;
    int userId = 0;
    Role role;
    // A doctor with few acts: his lists are read from his own acts.
    bool fewActs = false;
    ListModel* dayModel = nullptr;
    ListModel* patientModel = nullptr;
};
