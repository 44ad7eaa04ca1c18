#include "testsupport.h"

#include "data/role.h"

#include <QTest>

using testsupport::TempOffice;

// The office's roles, as each window asks about them.
class TestRole : public QObject {
    Q_OBJECT

private slots:
    void rulesOfEachCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("doctor");
        QTest::addColumn<bool>("everyDoctorsAmounts");
        QTest::addColumn<bool>("calendar");
        QTest::addColumn<QString>("name");
        // 0 is a user row that is missing or has no role: the doctors' interface, limited to his own amounts.
        QTest::newRow("none") << 0 << true << false << false << "medecin";
        QTest::newRow("first doctor") << 1 << true << true << false << "medecin";
        QTest::newRow("second doctor") << 2 << true << false << false << "medecin";
        QTest::newRow("reception") << 3 << false << false << false << "reception";
        QTest::newRow("reception with the calendar") << 4 << false << false << true << "reception";
        QTest::newRow("any later code") << 5 << false << false << false << "reception";
    }

    void rulesOfEachCode() {
        QFETCH(int, code);
        QFETCH(bool, doctor);
        QFETCH(bool, everyDoctorsAmounts);
        QFETCH(bool, calendar);
        QFETCH(QString, name);
        const Role role(code);
        QCOMPARE(role.isDoctor(), doctor);
        QCOMPARE(role.isReception(), !doctor);
        QCOMPARE(role.seesEveryDoctorsAmounts(), everyDoctorsAmounts);
        QCOMPARE(role.isFirstDoctor(), everyDoctorsAmounts);
        QCOMPARE(role.showsCalendar(), calendar);
        QCOMPARE(role.name(), name);
    }

    void readFromTheUserRow() {
        TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Accueil', 'a', 4)"));
        const int reception = int(office.lastInsertId());
        QVERIFY(Role::ofUser(reception).showsCalendar());
        QCOMPARE(Role::ofUser(reception + 100).value(), 0);
    }
};

KELVORA_TEST(TestRole)
#include "test_role.moc"
