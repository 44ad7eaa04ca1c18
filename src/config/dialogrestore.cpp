#include "config/dialogrestore.h"

#include "data/backupset.h"
#include "data/trace.h"

#include <QDebug>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Column { DateColumn, SizeColumn, CheckColumn };

QString shownDate(const QDateTime& made) {
    return QLocale().toString(made, QStringLiteral("dddd dd-MM-yyyy HH:mm:ss"));
}

} // namespace

DialogRestore::DialogRestore(const QString& folder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Restaurer une sauvegarde"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Sauvegardes de %1").arg(QDir::toNativeSeparators(folder)), this);
    layout->addWidget(label);

    table = new QTableWidget(0, 3, this);
    table->setObjectName(QStringLiteral("tableBackups"));
    table->setHorizontalHeaderLabels({tr("Date"), tr("Taille"), tr("Vérification")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    const QList<database::BackupEntry> backups = database::backupsIn(folder);
    for (const database::BackupEntry& backup : backups) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, DateColumn, new QTableWidgetItem(shownDate(backup.made)));
        auto* size = new QTableWidgetItem(QLocale().formattedDataSize(backup.size));
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, SizeColumn, size);
        table->setItem(row, CheckColumn, new QTableWidgetItem(tr("vérification...")));
        paths << backup.path;
    }
    table->resizeColumnsToContents();
    if (!paths.isEmpty())
        table->selectRow(0);

    auto* buttons = new QDialogButtonBox(this);
    restoreButton = buttons->addButton(tr("&Restaurer"), QDialogButtonBox::AcceptRole);
    restoreButton->setObjectName(QStringLiteral("pushButtonRestoreChosen"));
    restoreButton->setEnabled(!paths.isEmpty());
    buttons->addButton(tr("&Fermer"), QDialogButtonBox::RejectRole);
    connect(restoreButton, &QPushButton::clicked, this, &DialogRestore::restoreChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
    // The checks read every page of every backup: one at a time, once the list is on screen.
    QTimer::singleShot(0, this, &DialogRestore::checkNext);
}

void DialogRestore::checkNext() {
    if (checked >= paths.size())
        return;
    const QString problem = database::checkOfficeFile(paths.at(checked));
    QTableWidgetItem* item = table->item(checked, CheckColumn);
    item->setText(problem.isEmpty() ? tr("bonne") : tr("endommagée"));
    item->setToolTip(problem);
    ++checked;
    QTimer::singleShot(0, this, &DialogRestore::checkNext);
}

void DialogRestore::restoreChosen() {
    const int row = table->currentRow();
    if (row < 0 || row >= paths.size())
        return;
    const QString date = table->item(row, DateColumn)->text();
    QMessageBox question(QMessageBox::Question, windowTitle(),
                         tr("Remplacer toute la base ouverte par la sauvegarde du %1 ?\n"
                            "Une copie de sécurité de la base actuelle est faite d'abord.")
                             .arg(date),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.button(QMessageBox::Yes)->setText(tr("&Oui"));
    question.button(QMessageBox::No)->setText(tr("&Non"));
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;

    QString safety;
    const QString problem = database::restoreOpenOffice(paths.at(row), &safety);
    if (!problem.isEmpty()) {
        qCWarning(lcTrace).noquote() << "Restore failed:" << problem;
        QMessageBox box(QMessageBox::Warning, windowTitle(), tr("La sauvegarde n'a pas été restaurée."),
                        QMessageBox::Ok, this);
        box.setInformativeText(problem);
        box.exec();
        return;
    }
    QMessageBox box(QMessageBox::Information, windowTitle(),
                    tr("La sauvegarde du %1 a été restaurée.\n"
                       "Fermez Kelvora sur chaque poste et relancez-le.")
                        .arg(date),
                    QMessageBox::Ok, this);
    if (!safety.isEmpty())
        box.setInformativeText(
            tr("Copie de sécurité de la base précédente : %1").arg(QDir::toNativeSeparators(safety)));
    box.exec();
    accept();
}
