#include "testsupport.h"

#include "data/database.h"
#include "data/schema.h"
#include "data/server.h"
#include "data/sql.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSqlError>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace testsupport {

namespace {

constexpr char adminConnection[] = "kelvora-test-admin";

QSqlDatabase adminDatabase() {
    if (QSqlDatabase::contains(QLatin1String(adminConnection)))
        return QSqlDatabase::database(QLatin1String(adminConnection));
    return server::addConnection(QLatin1String(adminConnection), serverLocation());
}

} // namespace

QString serverLocation() {
    const QString named = qEnvironmentVariable("KELVORA_TEST_SERVER");
    if (named.isEmpty() || server::isLocation(named))
        return named;
    QFile file(named + QStringLiteral("/location"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("KELVORA_TEST_SERVER names %s, which holds no server location", qPrintable(named));
        return {};
    }
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString createServerDatabase(QString* name) {
    static int count = 0;
    *name = QStringLiteral("kelvora_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++count);
    const QSqlDatabase admin = adminDatabase();
    const QString problem = server::execScript(admin, QStringLiteral("CREATE DATABASE ") + *name);
    if (!problem.isEmpty()) {
        qWarning("Cannot create the test database on the server: %s", qPrintable(problem));
        return {};
    }
    return server::withDatabase(serverLocation(), *name);
}

void dropServerDatabase(const QString& name) {
    server::execScript(adminDatabase(), QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
}

TempOffice::TempOffice() {
    if (!folder.isValid())
        return;
    QDir(folder.path()).mkpath(QStringLiteral("database"));
    QDir(folder.path()).mkpath(QStringLiteral("resources"));
    QDir(folder.path()).mkpath(QStringLiteral("images"));
    QString location;
    if (serverLocation().isEmpty()) {
        location = databasePath();
        const QString error = schema::createDatabaseFile(location);
        if (!error.isEmpty()) {
            qWarning("Cannot create the test database: %s", qPrintable(error));
            return;
        }
    } else {
        location = createServerDatabase(&serverDatabase);
        if (location.isEmpty())
            return;
    }
    previousDir = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QSqlDatabase db = database::addDefaultConnection();
    db.setDatabaseName(QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};Dbq=") + location +
                       QStringLiteral(";"));
    valid = database::open(db);
    if (valid && !serverDatabase.isEmpty()) {
        const QString error = server::createSchema(db);
        if (!error.isEmpty()) {
            qWarning("Cannot create the test database: %s", qPrintable(error));
            valid = false;
        }
    }
}

TempOffice::~TempOffice() {
    database::closeDefaultConnection();
    if (!serverDatabase.isEmpty())
        dropServerDatabase(serverDatabase);
    if (!previousDir.isEmpty())
        QDir::setCurrent(previousDir);
}

QString TempOffice::databasePath() const {
    if (!serverDatabase.isEmpty())
        return server::withDatabase(serverLocation(), serverDatabase);
    return folder.path() + QStringLiteral("/database/data.mdb");
}

bool TempOffice::exec(const QString& statement) {
    return sql::exec(statement);
}

QVariant TempOffice::value(const QString& statement) {
    QSqlQuery query;
    if (!sql::exec(query, statement) || !query.next())
        return {};
    return query.value(0);
}

static QString refusalName(const QString& event, const QString& table) {
    return QStringLiteral("refuse_%1_%2").arg(event, table).toLower();
}

bool TempOffice::allow(const QString& event, const QString& table) {
    const QString name = refusalName(event, table);
    if (serverDatabase.isEmpty())
        return exec(QStringLiteral("drop trigger ") + name);
    return server::execScript(QSqlDatabase::database(),
                              QStringLiteral("DROP TRIGGER %1 ON %2; DROP FUNCTION %1();").arg(name, table))
        .isEmpty();
}

bool TempOffice::refuse(const QString& event, const QString& table, const QString& message) {
    const QString name = refusalName(event, table);
    const QString text = sql::quoted(message);
    if (serverDatabase.isEmpty())
        return exec(QStringLiteral("create trigger %1 before %2 on %3 begin select raise(abort, '%4'); end")
                        .arg(name, event, table, text));
    const QString problem = server::execScript(
        QSqlDatabase::database(),
        QStringLiteral(
            "CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION '%4'; END $$; "
            "CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE FUNCTION %1();")
            .arg(name, event, table, text));
    if (!problem.isEmpty())
        qWarning("Cannot refuse %s on %s: %s", qPrintable(event), qPrintable(table), qPrintable(problem));
    return problem.isEmpty();
}

qint64 TempOffice::lastInsertId() {
    return value(QStringLiteral("select last_insert_rowid()")).toLongLong();
}

void TempOffice::writeResource(const QString& name, const QByteArray& content) {
    QFile file(folder.path() + QStringLiteral("/resources/") + name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer, int timeoutMs)
    : action(std::move(answer)), remaining(timeoutMs) {
    QTimer::singleShot(20, this, [this] { poll(); });
}

void ModalAnswer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            text = box->text();
        done = true;
        action(modal);
        return;
    }
    remaining -= 20;
    if (remaining > 0)
        QTimer::singleShot(20, this, [this] { poll(); });
}

static QString withoutMnemonic(QString text) {
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

std::unique_ptr<ModalAnswer> answerMessageBox(const QString& buttonText) {
    return std::make_unique<ModalAnswer>([buttonText](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box) {
            if (auto* dialog = qobject_cast<QDialog*>(widget))
                dialog->reject();
            return;
        }
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            if (!buttonText.isEmpty() && withoutMnemonic(button->text()) == withoutMnemonic(buttonText))
                chosen = button;
        }
        if (!chosen && buttonText.isEmpty())
            chosen = box->defaultButton() ? static_cast<QAbstractButton*>(box->defaultButton())
                                          : (box->buttons().isEmpty() ? nullptr : box->buttons().first());
        if (chosen)
            chosen->click();
        else
            box->reject();
    });
}

std::unique_ptr<ModalAnswer> rejectNextDialog() {
    return std::make_unique<ModalAnswer>([](QWidget* widget) {
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->reject();
        else
            widget->close();
    });
}

void failMissingChild(const QObject* parent, const char* name) {
    const QByteArray message = "no child " + QByteArray(name) + " in " + parent->objectName().toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

QString grabToFile(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("KELVORA_BINARY_DIR", QDir::tempPath()) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

} // namespace testsupport
