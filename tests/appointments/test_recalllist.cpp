#include "testsupport.h"

#include "appointments/recalllist.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using testsupport::TempOffice;

// The recall list as reception works it: the patients due back, one left out by a click.
class TestRecallList : public QObject {
    Q_OBJECT

private slots:
    void listsAndLeavesOut() {
        TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Amel', 'y', 3)"));
        const int reception = int(office.lastInsertId());
        const QString old = QDate::currentDate().addMonths(-8).toString(QStringLiteral("dd-MM-yyyy"));
        const QString recent = QDate::currentDate().addMonths(-7).toString(QStringLiteral("dd-MM-yyyy"));
        QVERIFY(office.exec("insert into Patients (Nom, Tel) values ('Benali Karim', '06 11')"));
        const int first = int(office.lastInsertId());
        QVERIFY(office.exec(QStringLiteral("insert into Visites (PatientNum, Type, VDate) values (%1, 'Soins', '%2')")
                                .arg(first)
                                .arg(old)));
        QVERIFY(office.exec("insert into Patients (Nom, Tel) values ('Roux Léa', '06 22')"));
        const int second = int(office.lastInsertId());
        QVERIFY(office.exec(QStringLiteral("insert into Visites (PatientNum, Type, VDate) values (%1, 'Soins', '%2')")
                                .arg(second)
                                .arg(recent)));

        RecallList list(reception);
        list.show();
        auto* table = testsupport::child<QTableWidget>(&list, "recallTable");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Benali Karim"));
        QCOMPARE(table->item(0, 2)->text(), old);
        testsupport::grabToFile(&list, "recall-list");

        // Eight months back is the limit: only the first patient is left.
        testsupport::child<QSpinBox>(&list, "recallMonths")->setValue(8);
        QCOMPARE(table->rowCount(), 1);
        testsupport::child<QSpinBox>(&list, "recallMonths")->setValue(6);

        table->selectRow(1);
        QTest::mouseClick(testsupport::child<QPushButton>(&list, "doNotRecallButton"), Qt::LeftButton);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Benali Karim"));
        QCOMPARE(
            office.value(QStringLiteral("select NePasRappeler from Rappels where PatientNum = %1").arg(second)).toInt(),
            1);
    }
};

KELVORA_TEST(TestRecallList)
#include "test_recalllist.moc"
