#include "config/dialogbackup.h"

#include "ui_dialogbackup.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "app/windowgeometry.h"
#include "config/backupwatch.h"
#include "config/dialogrestore.h"
#include "data/backupset.h"
#include "data/checkup.h"
#include "data/database.h"
#include "data/role.h"
#include "data/server.h"
#include "data/trace.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>

DialogBackup::DialogBackup(QWidget* parent) : DialogBackup(0, parent) {}

DialogBackup::DialogBackup(int userRole, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogBackup>()), role(userRole) {
    ui->setupUi(this);
    ui->pushButtonRestore->setVisible(Role(role).isFirstDoctor());
    SettingsCipher cipher(settingskeys::cipherKey);
    QSettings settings(settingskeys::organization, settingskeys::application);
    if (settings.contains(settingskeys::backupDir)) {
        const QString stored = settings.value(settingskeys::backupDir).toString();
        ui->lineEditBackupDir->setText(QString::fromUtf8(cipher.decryptToBytes(stored)));
    } else if (!QFileInfo(ui->lineEditBackupDir->text()).isDir()) {
        // The form's drive letter means nothing where there are no drives: the user's own folder instead.
        ui->lineEditBackupDir->setText(QDir::toNativeSeparators(QDir::homePath()));
    }
    connect(ui->lineEditBackupDir, &QLineEdit::textChanged, this, &DialogBackup::showLastBackup);
    showLastBackup();
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

QString DialogBackup::backupFolder() const {
    return backupSetFolder(ui->lineEditBackupDir->text());
}

void DialogBackup::showLastBackup() {
    const QDateTime last = database::lastGoodBackup(backupFolder());
    ui->labelLastBackup->setText(last.isValid()
                                     ? tr("Dernière sauvegarde vérifiée : %1")
                                           .arg(QLocale().toString(last, QStringLiteral("dddd dd-MM-yyyy HH:mm")))
                                     : tr("Aucune sauvegarde vérifiée dans ce dossier"));
}

QString DialogBackup::backUp() {
    const QString folder = backupFolder();
    // The file the program has open, wherever the login put it, not merely the default location.
    qCDebug(lcTrace) << "QFile::copy " << QDir::toNativeSeparators(database::openFilePath())
                     << QDir::toNativeSeparators(QDir(folder).filePath(QLatin1String(database::newestCopyName)));
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder))
        return QStringLiteral("cannot make the folder ") + folder;
    const QString problem = database::backupInto(folder);
    showLastBackup();
    if (auto* watch = parentWidget() ? parentWidget()->window()->findChild<BackupWatch*>() : nullptr)
        watch->refresh();
    return problem;
}

void DialogBackup::on_pushButtonCopy_clicked() {
    const QString problem = backUp();
    if (problem.isEmpty()) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                        tr(" La sauvegarde a été complétée avec succès."), QMessageBox::Ok);
        box.exec();
    } else {
        qCWarning(lcTrace).noquote() << "Backup failed:" << problem;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                        QStringLiteral(" Un problème a été rencontré lors de la sauvegarde de la base de données "),
                        QMessageBox::Ok);
        // Why, so that the user can mend it; the earlier backups are all still there.
        box.setInformativeText(problem);
        box.exec();
    }
}

void DialogBackup::on_pushButtonRestore_clicked() {
    if (!Role(role).isFirstDoctor())
        return;
    DialogRestore restore(backupFolder(), this);
    restore.exec();
    showLastBackup();
}

void DialogBackup::on_pushButtonCheck_clicked() {
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    checkup::Report report = checkup::run(db);
    for (int round = 0;; ++round) {
        if (report.clean()) {
            QMessageBox box(QMessageBox::Information, windowTitle(),
                            round == 0 ? tr("La base a été vérifiée : rien à signaler.")
                                       : tr("La base a été réparée : rien à signaler."),
                            QMessageBox::Ok, this);
            box.exec();
            return;
        }
        const bool offerRepair = round == 0 && report.engineProblem.isEmpty() && report.repairable() &&
                                 !server::isServer(db) && Role(role).isFirstDoctor();
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        report.engineProblem.isEmpty()
                            ? tr("La vérification a trouvé des problèmes dans la base.")
                            : tr("La base est endommagée : restaurez une sauvegarde vérifiée."),
                        QMessageBox::NoButton, this);
        box.setDetailedText(checkup::describe(report).join(QLatin1Char('\n')));
        box.setInformativeText(checkup::describe(report).join(QLatin1Char('\n')).left(600));
        QPushButton* repair = offerRepair ? box.addButton(tr("&Réparer"), QMessageBox::AcceptRole) : nullptr;
        box.addButton(tr("&Fermer"), QMessageBox::RejectRole);
        box.exec();
        if (!repair || box.clickedButton() != repair)
            return;
        // Indexes and sums are rebuilt only over a checked backup.
        if (const QString problem = backUp(); !problem.isEmpty()) {
            QMessageBox refused(QMessageBox::Warning, windowTitle(),
                                tr("Rien n'a été réparé : la sauvegarde préalable a échoué."), QMessageBox::Ok, this);
            refused.setInformativeText(problem);
            refused.exec();
            return;
        }
        if (const QString problem = checkup::repair(db); !problem.isEmpty())
            qCWarning(lcTrace).noquote() << "Repair failed:" << problem;
        report = checkup::run(db);
    }
}

void DialogBackup::on_pushButton_clicked() {
    accept();
}

void DialogBackup::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showLastBackup(); // a text of the program's own, which the form does not set again
    }
}
