#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DialogBackup;
}

// Backs the office database up into a folder the user chooses (a removable drive, typically): a checked,
// dated copy in <folder>/database, kept in a rotated set, and <folder>/database/data.mdb as the newest good
// copy. Only a folder picked with the chooser is remembered for the next time. The dialog also checks the
// office (repairing its indexes and kept sums after a backup) and, for role 1, restores a backup.
class DialogBackup : public QDialog {
    Q_OBJECT

public:
    explicit DialogBackup(QWidget* parent = nullptr);
    explicit DialogBackup(int role, QWidget* parent = nullptr);
    ~DialogBackup() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButtonBackupDir_clicked();
    void on_pushButtonCopy_clicked();
    void on_pushButton_clicked();
    void on_pushButtonRestore_clicked();
    void on_pushButtonCheck_clicked();

private:
    QString backupFolder() const;
    void showLastBackup();
    // Makes the backup into the folder of the field; returns why it failed, or an empty text.
    QString backUp();

    std::unique_ptr<Ui::DialogBackup> ui;
    int role = 0;
};
