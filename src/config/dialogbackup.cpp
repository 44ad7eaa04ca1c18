#include "config/dialogbackup.h"

#include "ui_dialogbackup.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "app/windowgeometry.h"
#include "data/backup.h"
#include "data/database.h"
#include "data/trace.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

DialogBackup::DialogBackup(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::DialogBackup>()) {
    ui->setupUi(this);
    SettingsCipher cipher(settingskeys::cipherKey);
    QSettings settings(settingskeys::organization, settingskeys::application);
    if (settings.contains(settingskeys::backupDir)) {
        const QString stored = settings.value(settingskeys::backupDir).toString();
        ui->lineEditBackupDir->setText(QString::fromUtf8(cipher.decryptToBytes(stored)));
    } else if (!QFileInfo(ui->lineEditBackupDir->text()).isDir()) {
        // The form's drive letter means nothing where there are no drives: the user's own folder instead.
        ui->lineEditBackupDir->setText(QDir::toNativeSeparators(QDir::homePath()));
    }
    fitIntoScreen(this);
}

DialogBackup::~DialogBackup() = default;

void DialogBackup::on_pushButtonBackupDir_clicked() {
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Emplacement"), ui->lineEditBackupDir->text(),
                                                             QFileDialog::ShowDirsOnly);
    ui->lineEditBackupDir->setText(QDir::toNativeSeparators(folder));
    SettingsCipher cipher(settingskeys::cipherKey);
    QSettings settings(settingskeys::organization, settingskeys::application);
    settings.setValue(settingskeys::backupDir, cipher.encryptToText(ui->lineEditBackupDir->text()));
}

void DialogBackup::on_pushButtonCopy_clicked() {
    const QChar separator = QDir::separator();
    QString folder = ui->lineEditBackupDir->text();
    if (!folder.endsWith(separator) && !folder.endsWith(QLatin1Char('/')))
        folder += separator;
    const QString subFolder = folder + QStringLiteral("database");
    const QString target = subFolder + separator + QStringLiteral("data.mdb");
    // The file the program has open, wherever the login put it, not merely the default location.
    const QString source = QDir::toNativeSeparators(database::openFilePath());
    qCDebug(lcTrace) << "QFile::copy " << source << target;

    QString problem;
    if (!QFileInfo(subFolder).isDir() && !QDir().mkdir(subFolder))
        problem = QStringLiteral("cannot make the folder ") + subFolder;
    if (problem.isEmpty())
        problem = database::backupTo(target);

    if (problem.isEmpty()) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                        tr(" La sauvegarde a été complétée avec succès."), QMessageBox::Ok);
        box.exec();
    } else {
        qCWarning(lcTrace).noquote() << "Backup failed:" << problem;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                        QStringLiteral(" Un problème a été rencontré lors de la sauvegarde de la base de données "),
                        QMessageBox::Ok);
        box.exec();
    }
}

void DialogBackup::on_pushButton_clicked() {
    accept();
}

void DialogBackup::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
