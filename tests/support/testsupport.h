#pragma once

#include <QObject>
#include <QSqlQuery>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

// Registers a test class with the test main of its subsystem's executable:
//     class TestFoo : public QObject { Q_OBJECT ... };
//     KELVORA_TEST(TestFoo)
//     #include "test_foo.moc"
namespace testsupport {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char* name, TestFactory factory);

// A real database file made from the schema in a temporary folder, opened as the default connection, with
// that folder as the working directory (so that "database/", "resources/" and "images/" lie under it).
// The previous working directory comes back, and the connection is closed, when it goes.
// When the tests run on the server (see serverLocation()), the office is a fresh database of its own on that
// server instead of the file, dropped when it goes; the folder is there all the same.
class TempOffice {
public:
    TempOffice();
    ~TempOffice();
    TempOffice(const TempOffice&) = delete;
    TempOffice& operator=(const TempOffice&) = delete;

    bool isValid() const { return valid; }
    QString dir() const { return folder.path(); }
    QString databasePath() const; // <dir>/database/data.mdb, or the office's location on the server

    // Fixture helpers: run a statement (through the program's statement helper); read one value.
    bool exec(const QString& statement);
    QVariant value(const QString& statement);
    // Makes every insert, update or delete (event) on the table fail with this message, as a full disk or a
    // database another program holds would.
    bool refuse(const QString& event, const QString& table, const QString& message);
    // Takes back what refuse() made.
    bool allow(const QString& event, const QString& table);
    // The id given to the row the last insert wrote.
    qint64 lastInsertId();
    // Writes a word-list file under <dir>/resources.
    void writeResource(const QString& name, const QByteArray& content);

private:
    QTemporaryDir folder;
    QString previousDir;
    QString serverDatabase;
    bool valid = false;
};

// The server the tests run on, named by the environment variable KELVORA_TEST_SERVER (a location, or the
// folder of the throw-away test server holding its location in the file "location"); empty when the tests
// run on files.
QString serverLocation();

// A fresh empty database on the test server, and its location; dropServerDatabase() removes it.
QString createServerDatabase(QString* name);
void dropServerDatabase(const QString& name);

// Acts on the next modal widget (message box, dialog, file chooser) as soon as it is shown, from a timer,
// so that the test can then call the code that opens it and blocks.
// The action receives the widget; answered() tells whether it ran.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> action, int timeoutMs = 10000);
    bool answered() const { return done; }
    QString seenText() const { return text; } // the text of a message box that was answered

private:
    void poll();
    std::function<void(QWidget*)> action;
    int remaining;
    bool done = false;
    QString text;
};

// Answers the next modal message box by clicking the button with this text (mnemonic ampersands ignored),
// or, when buttonText is empty, its default or first button.
std::unique_ptr<ModalAnswer> answerMessageBox(const QString& buttonText = {});
// Rejects the next modal dialog (as Escape would).
std::unique_ptr<ModalAnswer> rejectNextDialog();

// Records a failure of the running test that says which child is missing.
void failMissingChild(const QObject* parent, const char* name);

// The child of this type and object name. A missing one fails the running test instead of crashing the
// whole executable: the test goes on with a fresh stand-in owned by the parent, whose empty state then fails
// the test's own checks as well.
template <typename T> T* child(QObject* parent, const char* name) {
    if (T* found = parent->findChild<T*>(QString::fromLatin1(name)))
        return found;
    failMissingChild(parent, name);
    if constexpr (std::is_base_of_v<QWidget, T>)
        return new T(qobject_cast<QWidget*>(parent));
    else
        return new T(parent);
}

// Saves a picture of the widget to <build>/screenshots/<name>.png and returns the path.
QString grabToFile(QWidget* widget, const QString& name);

} // namespace testsupport

#define KELVORA_TEST(Class)                                                                                            \
    static const bool kelvora_registered_##Class =                                                                     \
        testsupport::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
