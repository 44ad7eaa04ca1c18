#include "testsupport.h"

#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "app/startup.h"
#include "data/database.h"
#include "data/schema.h"
#include "data/sql.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

// Start-up from the settings store to the login: which file it opens, what it says when it cannot.
class TestStartup : public QObject {
    Q_OBJECT

private:
    static QString sealed(const QString& value) { return SettingsCipher(settingskeys::cipherKey).encryptToText(value); }

    static QString decidedPath() {
        QSettings settings(settingskeys::organization, settingskeys::application);
        return startup::databasePath(settings);
    }

    static void store(const char* key, const QString& text) {
        QSettings(settingskeys::organization, settingskeys::application).setValue(key, text);
    }

    // What start-up showed on its way to the login, and the login as it was shown.
    struct Seen {
        bool box = false;
        QString boxTitle, boxText;
        QList<QAbstractButton*> boxButtons;
        QMessageBox::StandardButton boxButton = QMessageBox::NoButton;
        bool login = false;
        QString loginTitle;
        int listedUsers = -1;
        bool foreignKeys = false;
    };

    // Runs start-up; the database box (if any) is dismissed, then the login is handled by the given action.
    static int runStartup(Seen& seen, const std::function<void(QDialog*)>& atLogin) {
        std::unique_ptr<testsupport::ModalAnswer> second;
        auto onLogin = [&seen, atLogin](QWidget* widget) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            seen.login = dialog && widget->inherits("LoginUser");
            seen.loginTitle = widget->windowTitle();
            if (auto* combo = widget->findChild<QComboBox*>(QStringLiteral("connectionNamesComboBox")))
                seen.listedUsers = combo->count();
            QSqlQuery pragma(QStringLiteral("PRAGMA foreign_keys"));
            seen.foreignKeys = pragma.next() && pragma.value(0).toInt() == 1;
            if (dialog)
                atLogin(dialog);
        };
        testsupport::ModalAnswer first([&](QWidget* widget) {
            if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                seen.box = true;
                seen.boxTitle = box->windowTitle();
                seen.boxText = box->text();
                seen.boxButtons = box->buttons();
                if (!box->buttons().isEmpty())
                    seen.boxButton = box->standardButton(box->buttons().first());
                box->buttons().isEmpty() ? box->reject() : box->buttons().first()->click();
                second = std::make_unique<testsupport::ModalAnswer>(onLogin);
            } else {
                onLogin(widget);
            }
        });
        return startup::run();
    }

    static void cancel(QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelPushButton")), Qt::LeftButton);
    }

    static void logIn(QDialog* dialog, const QString& name, const QString& password) {
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("connectionNamesComboBox"));
        combo->clearEditText();
        QTest::keyClicks(combo->lineEdit(), name);
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("passwordLineEdit")), password);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okPushButton")), Qt::LeftButton);
    }

private slots:
    void init() { QSettings(settingskeys::organization, settingskeys::application).clear(); }

    void pathDecisions() {
        QCOMPARE(decidedPath(), QStringLiteral("database/data.mdb"));

        store(settingskeys::databaseLocationChoice, sealed("s"));
        store(settingskeys::databasePath, sealed("/srv/ailleurs/data.mdb"));
        QCOMPARE(decidedPath(), QStringLiteral("database/data.mdb"));

        store(settingskeys::databaseLocationChoice, sealed("c"));
        QCOMPARE(decidedPath(), QStringLiteral("/srv/ailleurs/data.mdb"));

        const QString accented = QStringLiteral("/home/cabinet/Données du Dr Lefèvre/data.mdb");
        store(settingskeys::databasePath, sealed(accented));
        QCOMPARE(decidedPath(), accented);

        // A choice that does not decipher counts as "another machine".
        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        store(settingskeys::databaseLocationChoice, QStringLiteral("s"));
        QCOMPARE(decidedPath(), accented);

        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        store(settingskeys::databaseLocationChoice, sealed("c"));
        store(settingskeys::databasePath, QStringLiteral("/not/enciphered.mdb"));
        QCOMPARE(decidedPath(), QString());

        QSettings(settingskeys::organization, settingskeys::application).remove(settingskeys::databasePath);
        QCOMPARE(decidedPath(), QString());
    }

    void connectionString() {
        QCOMPARE(startup::connectionString(QStringLiteral("database/data.mdb")),
                 QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=database/data.mdb;"));
        QCOMPARE(startup::connectionString(QString()),
                 QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=;"));
    }

    void firstStartOpensTheDefaultFileAndLogsIn() {
        testsupport::TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Dr Benali', 'benali', 1)"));
        database::closeDefaultConnection();
        // An office on a server is never the default file: its location is stored as another machine's.
        const bool onServer = !testsupport::serverLocation().isEmpty();
        if (onServer) {
            store(settingskeys::databaseLocationChoice, sealed("c"));
            store(settingskeys::databasePath, sealed(office.databasePath()));
        }

        // Whatever window follows the login is closed as soon as it shows, so that start-up returns.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && window->inherits("QMainWindow"))
                    window->close();
        });
        closer.start(50);

        Seen seen;
        const int status = runStartup(seen, [](QDialog* dialog) {
            testsupport::grabToFile(dialog, QStringLiteral("loginuser_english"));
            logIn(dialog, "Dr Benali", "benali");
        });
        QCOMPARE(status, 0);
        QVERIFY(!seen.box);
        QVERIFY(seen.login);
        QCOMPARE(seen.listedUsers, 1);
        QVERIFY(seen.foreignKeys || onServer);                      // the server has no such setting
        QCOMPARE(seen.loginTitle, QStringLiteral("Kelvora Login")); // the English translation is installed
        QCOMPARE(database::openFilePath(), QString());
        // The login stored where the database lies.
        QSettings settings(settingskeys::organization, settingskeys::application);
        QCOMPARE(SettingsCipher(settingskeys::cipherKey).decryptToText(settings.value("s").toString()),
                 QString::fromLatin1(onServer ? "c" : "s"));
    }

    void missingPathShowsTheBoxThenTheLogin() {
        testsupport::TempOffice office;
        database::closeDefaultConnection();
        store(settingskeys::databaseLocationChoice, sealed("c"));
        const QStringList files = QDir(office.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        Seen seen;
        const int status = runStartup(seen, cancel);
        QCOMPARE(status, 0);
        QVERIFY(seen.box);
        QCOMPARE(seen.boxTitle, QStringLiteral("Cannot open database"));
        QCOMPARE(seen.boxText, QStringLiteral("Unable to establish a database connection.\nClick Cancel to exit."));
        QCOMPARE(seen.boxButtons.size(), 1);
        QCOMPARE(seen.boxButton, QMessageBox::Cancel);
        QVERIFY(seen.login);
        QCOMPARE(seen.listedUsers, 0);
        // Nothing was created while the login looked for users.
        QCOMPARE(QDir(office.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), files);
    }

    void textFileIsRefusedAndLeftAlone() {
        testsupport::TempOffice office;
        database::closeDefaultConnection();
        const QString notes = office.dir() + QStringLiteral("/notes.mdb");
        const QByteArray content("Liste des patients du lundi\n");
        {
            QFile file(notes);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        store(settingskeys::databaseLocationChoice, sealed("c"));
        store(settingskeys::databasePath, sealed(notes));

        Seen seen;
        QCOMPARE(runStartup(seen, cancel), 0);
        QVERIFY(seen.box);
        QVERIFY(seen.login);
        QFile file(notes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    void storedAccentedPathIsOpened() {
        testsupport::TempOffice office;
        database::closeDefaultConnection();
        const QString folder = office.dir() + QStringLiteral("/Cabinet dentaire é/Données");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/cabinet.mdb");
        QCOMPARE(schema::createDatabaseFile(path), QString());
        store(settingskeys::databaseLocationChoice, sealed("c"));
        store(settingskeys::databasePath, sealed(path));
        QVERIFY(startup::openDatabase(path));
        QVERIFY(sql::exec("insert into user (Name, Password, Role) values ('Léa', 'lea', 4)"));
        database::closeDefaultConnection();

        Seen seen;
        QCOMPARE(runStartup(seen, cancel), 0);
        QVERIFY(!seen.box);
        QCOMPARE(seen.listedUsers, 1);
    }
};

KELVORA_TEST(TestStartup)
#include "test_startup.moc"
