#include "config/backupwatch.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "data/backupset.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace {

// A backup older than this is worth a word on screen.
constexpr int warnAfterDays = 7;

} // namespace

QString backupSetFolder(const QString& chosenFolder) {
    return QDir(QDir::fromNativeSeparators(chosenFolder)).filePath(QStringLiteral("database"));
}

QString storedBackupFolder() {
    QSettings settings(settingskeys::organization, settingskeys::application);
    if (!settings.contains(settingskeys::backupDir))
        return {};
    SettingsCipher cipher(settingskeys::cipherKey);
    return QString::fromUtf8(cipher.decryptToBytes(settings.value(settingskeys::backupDir).toString()));
}

BackupWatch::BackupWatch(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("labelBackupWarning"));
    refresh();
    QTimer::singleShot(0, this, &BackupWatch::backUpIfDue);
}

void BackupWatch::refresh() {
    const QString chosen = storedBackupFolder();
    const QDateTime last = chosen.isEmpty() ? QDateTime() : database::lastGoodBackup(backupSetFolder(chosen));
    if (last.isValid() && last.daysTo(QDateTime::currentDateTime()) <= warnAfterDays) {
        clear();
        hide();
        return;
    }
    setText(last.isValid()
                ? tr("Dernière sauvegarde vérifiée : %1").arg(QLocale().toString(last.date(), QLocale::ShortFormat))
                : tr("Aucune sauvegarde vérifiée"));
    setToolTip(tr("Faites une sauvegarde (Sauvegarde) : la dernière a plus d'une semaine ou manque."));
    show();
}

void BackupWatch::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // The warning is a text of the program's own: it follows a change of language as the forms do.
    if (event->type() == QEvent::LanguageChange)
        refresh();
}

void BackupWatch::backUpIfDue() {
    const QString chosen = storedBackupFolder();
    if (chosen.isEmpty())
        return;
    const QString folder = backupSetFolder(chosen);
    // A drive that is not plugged in today is no fault: the warning says when the last backup was made.
    if (!QFileInfo(QDir::fromNativeSeparators(chosen)).isDir() || !database::backupDue(folder))
        return;
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
        return;
    auto* bar = qobject_cast<QStatusBar*>(parentWidget());
    if (bar) {
        bar->showMessage(tr("Sauvegarde du jour en cours..."));
        bar->repaint();
    }
    // Another station making it at this moment is as good: no waiting.
    const QString problem = database::backupInto(folder, nullptr, 0);
    if (bar)
        bar->clearMessage();
    refresh();
    if (!problem.isEmpty()) {
        qWarning().noquote() << "The backup of the day failed:" << problem;
        setText(tr("La sauvegarde du jour a échoué"));
        setToolTip(problem);
        show();
    }
}
