#include "testsupport.h"

#include "config/dialog.h"
#include "data/password.h"

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

// A password set in the options is written as a hash, and neither it nor the hash is ever shown.
class TestUserPasswords : public QObject {
    Q_OBJECT

private slots:
    void typedPasswordIsStoredAsAHash() {
        testsupport::TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Admin', 'Secret', 1)"));

        Dialog dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        testsupport::child<QTabWidget>(&dialog, "tabWidget_2")->setCurrentIndex(1);
        auto* users = testsupport::child<QTableView>(&dialog, "tableViewUser");
        const int column = 2;
        const QModelIndex cell = users->model()->index(0, column);
        users->setFocus();
        users->setCurrentIndex(cell);
        users->edit(cell);
        auto* editor = users->findChild<QLineEdit*>(QStringLiteral("passwordEditor"));
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString()); // the stored one is not offered
        QTest::keyClicks(editor, "nouveau");
        QTest::keyClick(editor, Qt::Key_Return);

        QTRY_VERIFY(password::isHash(office.value("select Password from user").toString()));
        const QString stored = office.value("select Password from user").toString();
        QVERIFY(password::matches(stored, "nouveau"));
        const QString shown = qobject_cast<QStyledItemDelegate*>(users->itemDelegateForColumn(column))
                                  ->displayText(cell.data(), QLocale());
        QVERIFY(!shown.contains(QLatin1String("argon")));
        QCOMPARE(shown, QString(8, QChar(0x2022)));
    }
};

KELVORA_TEST(TestUserPasswords)
#include "test_userpasswords.moc"
