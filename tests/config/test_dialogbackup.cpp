#include "testsupport.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "config/dialogbackup.h"
#include "config/dialogrestore.h"
#include "data/backupset.h"
#include "data/database.h"
#include "data/schema.h"
#include "data/sql.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using testsupport::TempOffice;

static const QString success = QStringLiteral(" La sauvegarde a été complétée avec succès.");
static const QString failure =
    QStringLiteral(" Un problème a été rencontré lors de la sauvegarde de la base de données ");

class TestDialogBackup : public QObject {
    Q_OBJECT

private:
    // The patients' names held in a backup file, read on a connection of its own.
    static QStringList namesIn(const QString& file) {
        QStringList names;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup-check"));
            db.setDatabaseName(file);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (db.open()) {
                QSqlQuery query(db);
                if (query.exec(QStringLiteral("select Nom from Patients order by Num")))
                    while (query.next())
                        names << query.value(0).toString();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("backup-check"));
        return names;
    }

    static void typeFolder(DialogBackup& dialog, const QString& folder) {
        auto* edit = dialog.findChild<QLineEdit*>("lineEditBackupDir");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, folder);
    }

    // Clicks the copy button and returns the text of the box that answers.
    static QString backUp(DialogBackup& dialog) {
        auto answer = testsupport::answerMessageBox("OK");
        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButtonCopy"), Qt::LeftButton);
        return answer->answered() ? answer->seenText() : QStringLiteral("(no box)");
    }

    // Chooses the folder in the chooser as a user would: types it and confirms.
    static void chooseFolder(DialogBackup& dialog, const QString& folder) {
        testsupport::ModalAnswer answer([folder](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            if (!chooser) {
                widget->close();
                return;
            }
            auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
            name->setText(folder);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButtonBackupDir"), Qt::LeftButton);
        QVERIFY(answer.answered());
    }

    static QString storedFolder() {
        QSettings settings(settingskeys::organization, settingskeys::application);
        SettingsCipher cipher(settingskeys::cipherKey);
        return QString::fromUtf8(cipher.decryptToBytes(settings.value(settingskeys::backupDir).toString()));
    }

    // Answers the message box whose text holds the fragment, once it is shown, with the button of this text.
    static void answerBox(const QString& fragment, const QString& button, bool* answered) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || !box->text().contains(fragment))
                return;
            for (QAbstractButton* candidate : box->buttons()) {
                if (candidate->text().remove('&') == button) {
                    *answered = true;
                    timer->deleteLater();
                    candidate->click();
                    return;
                }
            }
        });
        timer->start(20);
    }

    static QStringList filesIn(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init() { QSettings(settingskeys::organization, settingskeys::application).remove(settingskeys::backupDir); }

    void secondBackupReplacesTheFirst() {
        TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into Patients (Nom) values ('Ali')"));
        QTemporaryDir drive;

        DialogBackup dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Nothing stored and no drive D: here: the folder starts as the user's own.
        QCOMPARE(dialog.findChild<QLineEdit*>("lineEditBackupDir")->text(), QDir::toNativeSeparators(QDir::homePath()));
        typeFolder(dialog, drive.path());
        testsupport::grabToFile(&dialog, "backup");
        QCOMPARE(backUp(dialog), success);
        const QString copy = drive.path() + "/database/data.mdb";
        QCOMPARE(namesIn(copy), QStringList({"Ali"}));

        QVERIFY(office.exec("insert into Patients (Nom) values ('Élodie Durand')"));
        QCOMPARE(backUp(dialog), success);
        QCOMPARE(namesIn(copy), QStringList({"Ali", "Élodie Durand"}));
        // The dated copy of the day and data.mdb, no temporary left behind.
        const QStringList files = filesIn(drive.path() + "/database");
        QCOMPARE(files.size(), 2);
        QVERIFY(files.first().startsWith("data.mdb") && files.last().startsWith("kelvora-20"));
        QVERIFY(dialog.isVisible()); // the dialog stays open after a backup

        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void failedBackupKeepsThePreviousOne() {
        TempOffice office;
        QVERIFY(office.exec("insert into Patients (Nom) values ('Ali')"));
        QTemporaryDir drive;
        DialogBackup dialog;
        typeFolder(dialog, drive.path());
        QCOMPARE(backUp(dialog), success);
        const QString copy = drive.path() + "/database/data.mdb";
        const QStringList backups = filesIn(drive.path() + "/database");

        QVERIFY(office.exec("begin"));
        for (int i = 0; i < 200; ++i)
            QVERIFY(office.exec(QString("insert into Patients (Nom, Adresse) values ('Patient %1', '%2')")
                                    .arg(i)
                                    .arg(QString(200, QChar('x')))));
        QVERIFY(office.exec("commit"));

        // A drive too full for the new copy: the write fails part way.
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous;
        small.rlim_cur = 8192;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString shown = backUp(dialog);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(shown, failure);
        QCOMPARE(namesIn(copy), QStringList({"Ali"}));
        QCOMPARE(filesIn(drive.path() + "/database"), backups);

        // A read-only folder (permissions do not bind the superuser).
        if (geteuid() != 0) {
            QFile::setPermissions(drive.path() + "/database", QFile::ReadOwner | QFile::ExeOwner);
            QCOMPARE(backUp(dialog), failure);
            QFile::setPermissions(drive.path() + "/database", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(namesIn(copy), QStringList({"Ali"}));
        }

        // A folder that does not exist: its sub-folder cannot be made.
        typeFolder(dialog, drive.path() + "/no such drive");
        QCOMPARE(backUp(dialog), failure);
        QVERIFY(!QFileInfo::exists(drive.path() + "/no such drive"));

        // The office's own folder: the backup would replace the open database itself (an office on a server
        // has no file there, and is copied there like anywhere else).
        typeFolder(dialog, office.dir());
        QCOMPARE(backUp(dialog), testsupport::serverLocation().isEmpty() ? failure : success);
        QCOMPARE(office.value("select count(*) from Patients").toInt(), 201);
        QCOMPARE(filesIn(office.dir() + "/database").size(), testsupport::serverLocation().isEmpty() ? 1 : 2);
    }

    void backsUpTheDatabaseThatIsOpen() {
        TempOffice office; // its database/data.mdb stays closed in the working directory
        QVERIFY(office.exec("insert into Patients (Nom) values ('Default office')"));
        QTemporaryDir elsewhere;
        const QString other = elsewhere.path() + "/cabinet.mdb";
        QCOMPARE(schema::createDatabaseFile(other), QString());
        QSqlDatabase db = database::addDefaultConnection();
        db.setDatabaseName("Driver={Microsoft Access Driver (*.mdb)};Dbq=" + other + ";");
        QVERIFY(database::open(db));
        QVERIFY(sql::exec("insert into Patients (Nom) values ('Cabinet du centre')"));

        QTemporaryDir drive;
        DialogBackup dialog;
        typeFolder(dialog, drive.path());
        QCOMPARE(backUp(dialog), success);
        QCOMPARE(namesIn(drive.path() + "/database/data.mdb"), QStringList({"Cabinet du centre"}));
    }

    void onlyTheChosenFolderIsRemembered() {
        TempOffice office;
        QTemporaryDir chosen;
        QTemporaryDir typed;
        {
            DialogBackup dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            chooseFolder(dialog, chosen.path());
            QCOMPARE(dialog.findChild<QLineEdit*>("lineEditBackupDir")->text(),
                     QDir::toNativeSeparators(chosen.path()));
            QCOMPARE(storedFolder(), QDir::toNativeSeparators(chosen.path()));
            QVERIFY(QSettings(settingskeys::organization, settingskeys::application)
                        .value(settingskeys::backupDir)
                        .toString() != chosen.path()); // enciphered, not plain

            typeFolder(dialog, typed.path());
            QCOMPARE(backUp(dialog), success);
            QVERIFY(QFileInfo::exists(typed.path() + "/database/data.mdb"));
        }
        DialogBackup next;
        QCOMPARE(next.findChild<QLineEdit*>("lineEditBackupDir")->text(), QDir::toNativeSeparators(chosen.path()));
    }

    void cancellingTheChooserStoresAnEmptyFolder() {
        TempOffice office;
        QTemporaryDir chosen;
        {
            DialogBackup dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            chooseFolder(dialog, chosen.path());
            auto cancel = testsupport::rejectNextDialog();
            QTest::mouseClick(dialog.findChild<QPushButton*>("pushButtonBackupDir"), Qt::LeftButton);
            QVERIFY(cancel->answered());
            QCOMPARE(dialog.findChild<QLineEdit*>("lineEditBackupDir")->text(), QString());
        }
        QVERIFY(QSettings(settingskeys::organization, settingskeys::application).contains(settingskeys::backupDir));
        QCOMPARE(storedFolder(), QString());
        DialogBackup next;
        QCOMPARE(next.findChild<QLineEdit*>("lineEditBackupDir")->text(), QString());
    }

    void onlyTheSuccessBoxIsTranslated() {
        TempOffice office;
        QTemporaryDir drive;
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QCoreApplication::installTranslator(&english);
        DialogBackup dialog;
        typeFolder(dialog, drive.path());
        const QString succeeded = backUp(dialog);
        typeFolder(dialog, drive.path() + "/no such drive");
        const QString failed = backUp(dialog);
        QCoreApplication::removeTranslator(&english);
        QVERIFY(succeeded.contains("Backups are successful"));
        QCOMPARE(failed, failure);
    }

    void restoreIsForTheFirstRoleAndPutsTheChosenBackupBack() {
        TempOffice office;
        QVERIFY(office.exec("insert into Patients (Nom) values ('Ali')"));
        QTemporaryDir drive;
        QVERIFY(!DialogBackup(3).findChild<QPushButton*>("pushButtonRestore")->isVisibleTo(nullptr));
        DialogBackup dialog(1);
        dialog.show();
        QVERIFY(dialog.findChild<QPushButton*>("pushButtonRestore")->isVisible());
        typeFolder(dialog, drive.path());
        auto* last = testsupport::child<QLabel>(&dialog, "labelLastBackup");
        QCOMPARE(last->text(), QString("Aucune sauvegarde vérifiée dans ce dossier"));
        QCOMPARE(backUp(dialog), success);
        QVERIFY(last->text().startsWith("Dernière sauvegarde vérifiée : "));
        QVERIFY(office.exec("insert into Patients (Nom) values ('Typed later')"));

        bool chosen = false, confirmed = false, told = false;
        testsupport::ModalAnswer restore([&](QWidget* widget) {
            auto* table = testsupport::child<QTableWidget>(widget, "tableBackups");
            QTRY_COMPARE(table->item(0, 2)->text(), QString("bonne"));
            QCOMPARE(table->rowCount(), 1);
            chosen = true;
            answerBox("Remplacer toute la base", "Oui", &confirmed);
            answerBox("a été restaurée", "OK", &told);
            QTest::mouseClick(testsupport::child<QPushButton>(widget, "pushButtonRestoreChosen"), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButtonRestore"), Qt::LeftButton);
        QVERIFY(chosen && confirmed && told);
        QCOMPARE(office.value("select group_concat(Nom) from Patients").toString(), QString("Ali"));
        if (testsupport::serverLocation().isEmpty())
            QCOMPARE(QDir(office.dir() + "/database").entryList({"kelvora-before-restore-*.mdb"}).size(), 1);

        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QCoreApplication::installTranslator(&english);
        DialogBackup shown(1);
        typeFolder(shown, drive.path());
        shown.resize(1280, 800);
        shown.show();
        testsupport::grabToFile(&shown, "backup-first-role");
        DialogRestore list(drive.path() + "/database");
        list.resize(1280, 800);
        list.show();
        QTRY_COMPARE(testsupport::child<QTableWidget>(&list, "tableBackups")->item(0, 2)->text(), QString("good"));
        testsupport::grabToFile(&list, "restore");
        QCoreApplication::removeTranslator(&english);
    }

    void checkNamesTheProblemsAndRepairsOverABackup() {
        if (!testsupport::serverLocation().isEmpty())
            QSKIP("the server keeps its own indexes and sums");
        TempOffice office;
        QVERIFY(office.exec("insert into Patients (Nom) values ('Ali')"));
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (1, 'SOINS', '2024-03-05T10:00')"));
        QVERIFY(office.exec("insert into Traitements (visite_id, VDate, Frais, Payement) "
                            "values (1, '2024-03-05T10:00', 100, 50)"));
        QVERIFY(office.exec("update recettes_jour set Frais = 1"));
        QTemporaryDir drive;
        DialogBackup dialog(1);
        typeFolder(dialog, drive.path());
        bool found = false, repaired = false;
        answerBox("La vérification a trouvé des problèmes", "Réparer", &found);
        answerBox("La base a été réparée", "OK", &repaired);
        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButtonCheck"), Qt::LeftButton);
        QVERIFY(found && repaired);
        QCOMPARE(database::backupsIn(drive.path() + "/database").size(), 1);
        QCOMPARE(office.value("select Frais from recettes_jour").toInt(), 100);
    }

    void unreadableStoredFolderEmptiesTheField() {
        QSettings(settingskeys::organization, settingskeys::application).setValue(settingskeys::backupDir, "D:\\plain");
        DialogBackup dialog;
        QCOMPARE(dialog.findChild<QLineEdit*>("lineEditBackupDir")->text(), QString());
    }
};

KELVORA_TEST(TestDialogBackup)
#include "test_dialogbackup.moc"
