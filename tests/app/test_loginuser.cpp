#include "testsupport.h"

#include "app/loginuser.h"
#include "app/settingscipher.h"
#include "app/settingskeys.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

using testsupport::child;

// The login driven as a user drives it, over a real office database.
class TestLoginUser : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::TempOffice> office;

    // Types like a keyboard; letters outside ASCII arrive as the text of a key press, as from a French layout.
    static void keys(QWidget* widget, const QString& text) {
        for (const QChar ch : text) {
            if (ch.unicode() < 128)
                QTest::keyClick(widget, char(ch.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    static QComboBox* names(QWidget* dialog) { return child<QComboBox>(dialog, "connectionNamesComboBox"); }
    static QLineEdit* password(QWidget* dialog) { return child<QLineEdit>(dialog, "passwordLineEdit"); }

    static void type(LoginUser& dialog, const QString& name, const QString& secret) {
        names(&dialog)->clearEditText();
        keys(names(&dialog)->lineEdit(), name);
        password(&dialog)->clear();
        keys(password(&dialog), secret);
    }

    // Clicks OK; the warning box it may open is answered and its text returned.
    static QString clickOk(LoginUser& dialog) {
        auto answer = testsupport::answerMessageBox(QStringLiteral("OK"));
        QTest::mouseClick(child<QPushButton>(&dialog, "okPushButton"), Qt::LeftButton);
        return answer->seenText();
    }

    static QString stored(const char* key) {
        QSettings settings(settingskeys::organization, settingskeys::application);
        return SettingsCipher(settingskeys::cipherKey).decryptToText(settings.value(key).toString());
    }

    static void store(const char* key, const QString& text) {
        QSettings(settingskeys::organization, settingskeys::application).setValue(key, text);
    }

private slots:
    void init() {
        QSettings(settingskeys::organization, settingskeys::application).clear();
        office = std::make_unique<testsupport::TempOffice>();
        QVERIFY(office->isValid());
        QVERIFY(office->exec("insert into user (Name, Password, Role) values ('Dr Benali', 'Secret', 1), "
                             "('D''Amico', 'l''été', 2), ('Sophie', '', 3), ('Ancien', 'ancien', 0), "
                             "('', 'vide', 1)"));
    }

    void cleanup() { office.reset(); }

    void firstStart() {
        LoginUser dialog;
        QCOMPARE(dialog.userId, -1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Authentification Kelvora"));
        QCOMPARE(dialog.size(), QSize(654, 362));
        QVERIFY(dialog.styleSheet().contains(":/images/pushbutton.png"));
        QVERIFY(child<QRadioButton>(&dialog, "radioButton")->isChecked());
        QVERIFY(!child<QFrame>(&dialog, "frame")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QString());
        QCOMPARE(child<QTabWidget>(&dialog, "tabWidget")->currentIndex(), 0);
        QCOMPARE(password(&dialog)->echoMode(), QLineEdit::Password);
        QCOMPARE(password(&dialog)->maxLength(), 16);
        QCOMPARE(child<QTabWidget>(&dialog, "tabWidget")->tabText(0), QStringLiteral("Utilisateur") + QString(53, ' '));

        // Users of role 0 and users without a name are not offered.
        QStringList listed;
        for (int i = 0; i < names(&dialog)->count(); ++i)
            listed << names(&dialog)->itemText(i);
        QCOMPARE(listed, QStringList({"Dr Benali", "D'Amico", "Sophie"}));

        // Tab order: names, password, OK, Cancel, tabs.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        names(&dialog)->setFocus();
        const char* chain[] = {"passwordLineEdit", "okPushButton", "cancelPushButton"};
        for (const char* next : chain) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(child<QTabWidget>(&dialog, "tabWidget")->isAncestorOf(QApplication::focusWidget()));

        testsupport::grabToFile(&dialog, QStringLiteral("loginuser_user"));
        child<QTabWidget>(&dialog, "tabWidget")->setCurrentIndex(1);
        QTest::mouseClick(child<QRadioButton>(&dialog, "radioButton_3"), Qt::LeftButton);
        QTest::keyClicks(child<QLineEdit>(&dialog, "lineEdit"), "/srv/cabinet/data.mdb");
        testsupport::grabToFile(&dialog, QStringLiteral("loginuser_server"));
    }

    void typedAtOnceByKeyboardOnly() {
        // The name field has the focus from the start: name, Tab, password, Return.
        LoginUser dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        names(&dialog)->clearEditText();
        keys(QApplication::focusWidget(), "Dr Benali");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        keys(QApplication::focusWidget(), "Secret");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.userId, office->value("select id from user where Name = 'Dr Benali'").toInt());
    }

    void goodLogins() {
        const int benali = office->value("select id from user where Name = 'Dr Benali'").toInt();
        const int amico = office->value("select id from user where Name = 'D''Amico'").toInt();
        const int former = office->value("select id from user where Name = 'Ancien'").toInt();
        const struct {
            QString name, secret;
            int id;
        } cases[] = {{"Dr Benali", "Secret", benali},
                     {"D'Amico", "l'été", amico},   // quotes doubled in the statement, matched literally
                     {"Ancien", "ancien", former}}; // not offered, still checked
        for (const auto& login : cases) {
            LoginUser dialog;
            dialog.show();
            type(dialog, login.name, login.secret);
            QCOMPARE(clickOk(dialog), QString());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.userId, login.id);
        }

        // Return in the password field logs in too.
        LoginUser dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        type(dialog, "Sophie", "");
        QTest::keyClick(password(&dialog), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.userId, office->value("select id from user where Name = 'Sophie'").toInt());
    }

    void wrongPasswordKeepsTheDialogAndStillStoresTheLocation() {
        store(settingskeys::databaseLocationChoice,
              SettingsCipher(settingskeys::cipherKey).encryptToText(QStringLiteral("s")));
        LoginUser dialog;
        dialog.show();
        QTest::mouseClick(child<QRadioButton>(&dialog, "radioButton_3"), Qt::LeftButton);
        keys(child<QLineEdit>(&dialog, "lineEdit"), "/srv/Cabinet é/data.mdb");

        for (const QString& wrong : {QStringLiteral("secret"), QStringLiteral("SECRET"), QString()}) {
            type(dialog, "Dr Benali", wrong);
            QCOMPARE(clickOk(dialog), QStringLiteral("\nMot de passe n'est pas  valide !  \t\t\n"));
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.userId, -1);
            QCOMPARE(password(&dialog)->text(), QString());
            QCOMPARE(names(&dialog)->currentText(), QStringLiteral("Dr Benali"));
            QCOMPARE(stored(settingskeys::databaseLocationChoice), QStringLiteral("c"));
            QCOMPARE(stored(settingskeys::databasePath), QStringLiteral("/srv/Cabinet é/data.mdb"));
        }

        // An empty stored password is matched only by an empty one.
        type(dialog, "Sophie", "x");
        QCOMPARE(clickOk(dialog), QStringLiteral("\nMot de passe n'est pas  valide !  \t\t\n"));
        QCOMPARE(dialog.userId, -1);
    }

    void unknownName() {
        LoginUser dialog;
        dialog.show();
        for (const QString& name : {QStringLiteral("Personne"), QStringLiteral("x' or '1'='1")}) {
            type(dialog, name, "Secret");
            QCOMPARE(clickOk(dialog), QStringLiteral("\nNom d'utilisateur non valide ! \t\t\n "));
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.userId, -1);
            QCOMPARE(password(&dialog)->text(), QString());
            QCOMPARE(names(&dialog)->currentText(), QString());
        }
        QCOMPARE(office->value("select count(*) from user").toInt(), 5);
        QCOMPARE(stored(settingskeys::databaseLocationChoice), QStringLiteral("s"));
        QCOMPARE(stored(settingskeys::databasePath), QString());
    }

    void cancelGivesNoUser() {
        LoginUser dialog;
        dialog.show();
        type(dialog, "Dr Benali", "Secret");
        QTest::mouseClick(child<QPushButton>(&dialog, "cancelPushButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.userId, -1);
        QVERIFY(!dialog.isVisible());
        // Cancel stores nothing.
        QVERIFY(!QSettings(settingskeys::organization, settingskeys::application).contains("s"));

        LoginUser escaped;
        escaped.show();
        QVERIFY(QTest::qWaitForWindowActive(&escaped));
        QTest::keyClick(&escaped, Qt::Key_Escape);
        QCOMPARE(escaped.result(), int(QDialog::Rejected));
        QCOMPARE(escaped.userId, -1);
    }

    void storedLocationComesBack() {
        SettingsCipher cipher(settingskeys::cipherKey);
        store(settingskeys::databaseLocationChoice, cipher.encryptToText(QStringLiteral("c")));
        store(settingskeys::databasePath, cipher.encryptToText(QStringLiteral("/home/cabinet/Données/data.mdb")));
        {
            LoginUser dialog;
            QVERIFY(child<QRadioButton>(&dialog, "radioButton_3")->isChecked());
            QVERIFY(child<QFrame>(&dialog, "frame")->isEnabled());
            QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QStringLiteral("/home/cabinet/Données/data.mdb"));
            QTest::mouseClick(child<QRadioButton>(&dialog, "radioButton"), Qt::LeftButton);
            QVERIFY(!child<QFrame>(&dialog, "frame")->isEnabled());
        }

        // Values that do not decipher: an empty path and the other machine; nothing is thrown away.
        store(settingskeys::databaseLocationChoice, QStringLiteral("s"));
        store(settingskeys::databasePath, QStringLiteral("/home/cabinet/data.mdb"));
        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        LoginUser dialog;
        QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QString());
        QVERIFY(child<QRadioButton>(&dialog, "radioButton_3")->isChecked());
        QVERIFY(child<QFrame>(&dialog, "frame")->isEnabled());
    }

    void chooseTheFile() {
        LoginUser dialog;
        dialog.show();
        QTest::mouseClick(child<QRadioButton>(&dialog, "radioButton_3"), Qt::LeftButton);
        // A file of the office's folder, whichever engine holds the office.
        const QString path = office->dir() + QStringLiteral("/database/chosen.mdb");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        {
            testsupport::ModalAnswer answer([&path](QWidget* widget) {
                if (auto* name = widget->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                    name->setText(path);
                    QTest::keyClick(name, Qt::Key_Return);
                }
            });
            QTest::mouseClick(child<QPushButton>(&dialog, "pushButton"), Qt::LeftButton);
            QVERIFY(answer.answered());
        }
        QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), path);

        // A cancelled chooser empties the field.
        auto cancel = testsupport::rejectNextDialog();
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton"), Qt::LeftButton);
        QVERIFY(cancel->answered());
        QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->text(), QString());
    }
};

KELVORA_TEST(TestLoginUser)
#include "test_loginuser.moc"
