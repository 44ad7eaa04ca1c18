#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DialogBackup;
}

// Copies the office database into a folder the user chooses (a removable drive, typically), as
// <folder>/database/data.mdb, replacing the previous copy there. Only a folder picked with the chooser is
// remembered for the next time.
class DialogBackup : public QDialog {
    Q_OBJECT

public:
    explicit DialogBackup(QWidget* parent = nullptr);
    ~DialogBackup() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButtonBackupDir_clicked();
    void on_pushButtonCopy_clicked();
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::DialogBackup> ui;
};
