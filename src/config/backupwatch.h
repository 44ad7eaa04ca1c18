#pragma once

#include <QLabel>
#include <QString>

// The folder that holds the office's backups: <chosen folder>/database, where data.mdb has always been.
QString backupSetFolder(const QString& chosenFolder);

// The backup folder stored by the backup dialog, or an empty text when none was ever chosen.
QString storedBackupFolder();

// A warning in the main window's status bar when the newest good backup is older than a week (or missing),
// and the backup of the day: the first station started after midnight makes it, into the stored backup
// folder, once the window is on screen.
class BackupWatch : public QLabel {
    Q_OBJECT

public:
    explicit BackupWatch(QWidget* parent = nullptr);

    // Reads the date of the newest good backup again.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    void backUpIfDue();
};
