#include "app/startup.h"

#include "app/loginuser.h"
#include "app/secretstore.h"
#include "app/settingscipher.h"
#include "app/settingskeys.h"
#include "data/database.h"
#include "data/password.h"
#include "data/serversecret.h"
#include "data/sql.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QSqlDatabase>
#include <QTranslator>
#include <QtPlugin>

// The program's style lives in its library: make it known to the toolkit by name.
Q_IMPORT_PLUGIN(WindowsModernStylePlugin)

namespace startup {

namespace {

constexpr char databasePassword[] = "MERVOLIKAST2017";

// The one place where a logged-in user reaches the main window, on the open default connection; returns the
// exit status of the event loop.
int runMainWindow(int userId) {
    MainWindow window(userId, QSqlDatabase::database());
    window.show();
    return QApplication::exec();
}

} // namespace

QString databasePath(QSettings& settings) {
    const QString defaultPath = QString::fromLatin1(settingskeys::defaultDatabasePath);
    if (!settings.contains(settingskeys::databaseLocationChoice))
        return defaultPath;
    SettingsCipher cipher(settingskeys::cipherKey);
    const QByteArray choice = cipher.decryptToBytes(settings.value(settingskeys::databaseLocationChoice).toString());
    if (choice == QByteArray(settingskeys::thisMachine))
        return defaultPath;
    if (!settings.contains(settingskeys::databasePath))
        return {};
    return QString::fromUtf8(cipher.decryptToBytes(settings.value(settingskeys::databasePath).toString()));
}

QString connectionString(const QString& path) {
    return QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=") + path + QStringLiteral(";");
}

bool openDatabase(const QString& path) {
    QSqlDatabase db = database::addDefaultConnection();
    db.setDatabaseName(connectionString(path));
    db.setPassword(QString::fromLatin1(databasePassword));
    if (!database::open(db)) {
        // A closed connection would open itself on the next query, and the engine would create a stray file
        // named after the connection string; without a connection the queries simply fail.
        db = QSqlDatabase();
        database::closeDefaultConnection();
        return false;
    }
    sql::exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    return true;
}

int run() {
    // No password of a server location reaches a message, whoever writes it.
    server::scrubMessages();
    QTranslator translator;
    // Without the translation the interface simply stays in French.
    if (translator.load(QStringLiteral(":kelvora_en")))
        QApplication::installTranslator(&translator);
    // Unknown style names leave the current style in place.
    QApplication::setStyle(QStringLiteral("windowsmodernstyle"));

    QString path;
    {
        QSettings settings(settingskeys::organization, settingskeys::application);
        path = secretstore::connectLocation(settings, databasePath(settings));
    }

    if (openDatabase(path)) {
        // An office made by an earlier version holds its users' passwords themselves: from now on, hashes.
        password::hashPlainPasswords();
    } else {
        // This box has always been in English, in the French program too.
        QMessageBox::critical(nullptr, QStringLiteral("Cannot open database"),
                              QStringLiteral("Unable to establish a database connection.\nClick Cancel to exit."),
                              QMessageBox::Cancel);
    }

    int userId = -1;
    bool accepted = false;
    {
        LoginUser login;
        accepted = login.exec() == QDialog::Accepted;
        userId = login.userId;
    }
    const int status = accepted ? runMainWindow(userId) : 0;
    database::closeDefaultConnection();
    return status;
}

} // namespace startup

int runKelvora(int& argc, char** argv) {
    QApplication app(argc, argv);
    return startup::run();
}
