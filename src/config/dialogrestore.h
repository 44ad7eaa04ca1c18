#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

// Lists the backups of a folder with their date, size and check, and puts the chosen one in place of the
// open office, after checking it again and making a checked safety copy of the office.
class DialogRestore : public QDialog {
    Q_OBJECT

public:
    explicit DialogRestore(const QString& folder, QWidget* parent = nullptr);

private:
    void checkNext();
    void restoreChosen();

    QTableWidget* table;
    QPushButton* restoreButton;
    QStringList paths;
    int checked = 0;
};
