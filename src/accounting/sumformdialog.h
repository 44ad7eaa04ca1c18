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
// and the totals per patient. The period's days and patients export to CSV and to PDF. Doctors other than the first
// role see only their own days and totals; every user but the first sees only his own patients' totals. It only shows
// figures: nothing is written.
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
    void on_pushButtonCsv_clicked();
    void on_pushButtonPdf_clicked();

private:
    void laSommeProc();
    static QDate dayOf(const QString& statement);
    // The path the user chooses for an export of the period, or empty.
    QString exportPath(const QString& title, const QString& suffix, const QString& filter);
    QString periodText() const;
    bool writePdf(const QString& path);

    std::unique_ptr<Ui::sumFormDialog> ui;
    int userId = 0;
    Role role;
    // A doctor with few acts: his lists are read from his own acts.
    bool fewActs = false;
    ListModel* dayModel = nullptr;
    ListModel* patientModel = nullptr;
};
