#include "testsupport.h"

#include "accounting/sumformdialog.h"
#include "data/sql.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>

using testsupport::TempOffice;

class TestSumFormDialog : public QObject {
    Q_OBJECT

private:
    // Users: 1 the first doctor (role 1), 2 a second doctor (role 2), 3 the reception (role 3),
    // 4 a doctor of role 1 who is not the office's first user.
    static void addUsers(TempOffice& office) {
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Admin', 'a', 1)"));
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Dr Benali', 'b', 2)"));
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Accueil', 'c', 3)"));
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Dr Haddad', 'd', 1)"));
    }

    static int addVisit(TempOffice& office, const QString& patient, const QString& when) {
        office.exec(QString("insert into Patients (Nom) values ('%1')").arg(sql::quoted(patient)));
        const qint64 num = office.lastInsertId();
        office.exec(
            QString("insert into Visites (PatientNum, Type, VDate) values (%1, 'SOINS', '%2')").arg(num).arg(when));
        return int(office.lastInsertId());
    }

    static bool addAct(TempOffice& office, int visit, const QString& when, int fee, int paid, int doctor) {
        return office.exec(QString("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) "
                                   "values (%1, '%2', 'Soin', %3, %4, %5)")
                               .arg(visit)
                               .arg(when)
                               .arg(fee)
                               .arg(paid)
                               .arg(doctor));
    }

    // Two acts of the first doctor: 5000 charged and 3500 paid over 05-03-2024 and 06-03-2024;
    // the second day is overpaid (2000 charged, 2500 paid).
    static void addFirstDoctorsActs(TempOffice& office) {
        const int zohra = addVisit(office, "Zohra", "06-03-2024 09:00");
        QVERIFY(addAct(office, zohra, "06-03-2024 09:00", 2000, 2500, 1));
        const int ali = addVisit(office, "Ali", "05-03-2024 10:30");
        QVERIFY(addAct(office, ali, "05-03-2024 10:30", 3000, 1000, 1));
    }

    static QStringList column(QTableView* view, const QString& name) {
        auto* model = view->model();
        int col = -1;
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal, Qt::UserRole).toString() == name)
                col = c;
        QStringList values;
        for (int row = 0; row < model->rowCount(); ++row)
            values << model->index(row, col).data().toString();
        return values;
    }

    static QStringList totals(sumFormDialog& dialog) {
        return {dialog.findChild<QLabel*>("labelDay")->text(), dialog.findChild<QLabel*>("labelDayPayement")->text(),
                dialog.findChild<QLabel*>("labelDayResre")->text()};
    }

    // Moves a date edit by one day as a user would: the day section, then the arrow key.
    static void stepDay(QDateEdit* edit, Qt::Key key) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, key);
    }

private slots:
    void periodRunsFromTheFirstToTheLastAct() {
        TempOffice office;
        QVERIFY(office.isValid());
        addUsers(office);
        addFirstDoctorsActs(office);

        sumFormDialog dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Comptabilité"));
        QCOMPARE(dialog.findChild<QDateEdit*>("dateEdit")->date(), QDate(2024, 3, 5));
        QCOMPARE(dialog.findChild<QDateEdit*>("dateEdit_2")->date(), QDate(2024, 3, 6));
        QCOMPARE(totals(dialog), QStringList({"5000", "3500", "1500"}));

        auto* days = dialog.findChild<QTableView*>("tableViewDay");
        QCOMPARE(column(days, "VDate"), QStringList({"2024-03-05", "2024-03-06"}));
        QCOMPARE(column(days, "Reste"), QStringList({"2000", "-500"}));
        QVERIFY(days->isColumnHidden(4)); // id
        QVERIFY(!days->isColumnHidden(5));
        QCOMPARE(days->columnWidth(0), 300);
        QCOMPARE(days->columnWidth(1), 200);
        QCOMPARE(days->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(days->selectionBehavior(), QAbstractItemView::SelectRows);
        testsupport::grabToFile(&dialog, "receipts-days");

        auto* patients = dialog.findChild<QTableView*>("tableViewPatient");
        QCOMPARE(column(patients, "Nom"), QStringList({"Ali", "Zohra"}));
        QVERIFY(patients->isColumnHidden(0)); // Num
        QVERIFY(patients->isColumnHidden(5)); // id
        QCOMPARE(patients->columnWidth(1), 300);
        QCOMPARE(patients->columnWidth(2), 200);
        dialog.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(1);
        testsupport::grabToFile(&dialog, "receipts-patients");

        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void changingADateRecomputesAtOnce() {
        TempOffice office;
        addUsers(office);
        addFirstDoctorsActs(office);
        sumFormDialog dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* start = dialog.findChild<QDateEdit*>("dateEdit");
        auto* end = dialog.findChild<QDateEdit*>("dateEdit_2");
        auto* days = dialog.findChild<QTableView*>("tableViewDay");

        stepDay(start, Qt::Key_Up);
        QCOMPARE(start->date(), QDate(2024, 3, 6));
        QCOMPARE(column(days, "VDate"), QStringList({"2024-03-06"}));
        // Payments above fees: a negative balance, still in the balance's red.
        QCOMPARE(totals(dialog), QStringList({"2000", "2500", "-500"}));
        QVERIFY(dialog.findChild<QLabel*>("labelDayResre")->styleSheet().startsWith("color: rgb(255, 0, 0);"));

        stepDay(end, Qt::Key_Down);
        QCOMPARE(end->date(), QDate(2024, 3, 5));
        QCOMPARE(column(days, "VDate"), QStringList());
        QCOMPARE(totals(dialog), QStringList({"", "", "0"}));

        stepDay(start, Qt::Key_Down);
        stepDay(start, Qt::Key_Down);
        QCOMPARE(start->date(), QDate(2024, 3, 4));
        QCOMPARE(totals(dialog), QStringList({"3000", "1000", "2000"}));
    }

    void doctorsAboveTheFirstRoleSeeTheirOwnDays() {
        TempOffice office;
        addUsers(office);
        addFirstDoctorsActs(office);
        const int karim = addVisit(office, "Karim", "07-03-2024 15:00");
        QVERIFY(addAct(office, karim, "07-03-2024 15:00", 700, 200, 2));

        sumFormDialog second(2);
        QCOMPARE(second.findChild<QDateEdit*>("dateEdit")->date(), QDate(2024, 3, 5));
        QCOMPARE(column(second.findChild<QTableView*>("tableViewDay"), "VDate"), QStringList({"2024-03-07"}));
        QCOMPARE(totals(second), QStringList({"700", "200", "500"}));

        sumFormDialog first(1);
        QCOMPARE(column(first.findChild<QTableView*>("tableViewDay"), "VDate"),
                 QStringList({"2024-03-05", "2024-03-06", "2024-03-07"}));
        QCOMPARE(totals(first), QStringList({"5700", "3700", "2000"}));

        sumFormDialog reception(3);
        QCOMPARE(column(reception.findChild<QTableView*>("tableViewDay"), "VDate"), QStringList());
        QCOMPARE(totals(reception), QStringList({"", "", "0"}));

        // Role 1 sees every doctor's days, whatever his identifier.
        sumFormDialog otherFirstRole(4);
        QCOMPARE(totals(otherFirstRole), QStringList({"5700", "3700", "2000"}));
    }

    void onlyTheFirstUserSeesEveryPatient() {
        TempOffice office;
        addUsers(office);
        addFirstDoctorsActs(office);
        const int karim = addVisit(office, "Karim", "07-03-2024 15:00");
        QVERIFY(addAct(office, karim, "07-03-2024 15:00", 700, 200, 2));

        sumFormDialog first(1);
        auto* patients = first.findChild<QTableView*>("tableViewPatient");
        QCOMPARE(column(patients, "Nom"), QStringList({"Ali", "Karim", "Zohra"}));
        QCOMPARE(column(patients, "Reste"), QStringList({"2000", "500", "-500"}));

        sumFormDialog second(2);
        QCOMPARE(column(second.findChild<QTableView*>("tableViewPatient"), "Nom"), QStringList({"Karim"}));

        // The rule is the role's: another user of role 1 sees every patient too.
        sumFormDialog otherFirstRole(4);
        QCOMPARE(column(otherFirstRole.findChild<QTableView*>("tableViewPatient"), "Nom"),
                 QStringList({"Ali", "Karim", "Zohra"}));
    }

    // Older files hold amounts that are not whole: the totals are those of the days listed, each day cut to
    // whole amounts, and a doctor's own lists show what the office's lists show for him.
    void totalsAreThoseOfTheListedDays() {
        TempOffice office;
        addUsers(office);
        const int ali = addVisit(office, "Ali", "05-03-2024 10:30");
        QVERIFY(office.exec(QString("insert into Traitements (visite_id, VDate, Frais, Payement, Medcin_id) values "
                                    "(%1, '05-03-2024 10:30', 1000.6, 500.6, 2), (%1, '05-03-2024 11:30', 600.6, "
                                    "0.4, 2), (%1, '06-03-2024 09:00', 200.5, 100, 2)")
                                .arg(ali)));
        const QString days =
            office.value("select sum(SommeDeFrais) || '|' || sum(SommeDePayement) from Query").toString();
        sumFormDialog second(2);
        QCOMPARE(totals(second).mid(0, 2).join('|'), days);
        QCOMPARE(column(second.findChild<QTableView*>("tableViewDay"), "SommeDeFrais"),
                 QStringList({office.value("select SommeDeFrais from Query where VDate = '2024-03-05'").toString(),
                              office.value("select SommeDeFrais from Query where VDate = '2024-03-06'").toString()}));
        auto* patients = second.findChild<QTableView*>("tableViewPatient");
        QCOMPARE(column(patients, "Nom"), QStringList({"Ali"}));
        QCOMPARE(column(patients, "Reste"), QStringList({office.value("select Reste from vPatient").toString()}));
        QCOMPARE(column(patients, "Médecin"), QStringList({"Dr Benali"}));
    }

    // The totals are kept by the acts' triggers: they follow every change of an act, by the program or by
    // another tool, and a deleted visit takes its acts out of them.
    void totalsFollowEveryChangeOfTheActs() {
        TempOffice office;
        addUsers(office);
        addFirstDoctorsActs(office);
        const int karim = addVisit(office, "Karim", "07-03-2024 15:00");
        QVERIFY(addAct(office, karim, "07-03-2024 15:00", 700, 200, 2));
        QVERIFY(office.exec("update Traitements set Frais = 900, Medcin_id = 1 where visite_id = " +
                            QString::number(karim)));
        QVERIFY(office.exec("update Traitements set VDate = '06-03-2024 11:00' where Frais = 3000"));
        sumFormDialog first(1);
        QCOMPARE(totals(first), QStringList({"5900", "3700", "2200"}));
        sumFormDialog second(2);
        QCOMPARE(totals(second), QStringList({"", "", "0"}));

        sumFormDialog lastDay(1);
        stepDay(lastDay.findChild<QDateEdit*>("dateEdit_2"), Qt::Key_Down);
        QCOMPARE(totals(lastDay), QStringList({"5000", "3500", "1500"}));

        QVERIFY(office.exec("delete from Visites where VisiteNum = " + QString::number(karim)));
        QVERIFY(office.exec("insert into Traitements (visite_id, VDate, Frais, Medcin_id) values (99, "
                            "'2024-03-06T12:00:00', null, null)"));
        sumFormDialog afterwards(1);
        QCOMPARE(totals(afterwards), QStringList({"5000", "3500", "1500"}));
    }

    void withoutActsTheDatesKeepTheirDefaults() {
        TempOffice office;
        addUsers(office);
        // A table of that name belongs to the office: a window that only shows figures leaves it alone.
        QVERIFY(office.exec("create table recettes_day (jour text, montant integer)"));
        QVERIFY(office.exec("insert into recettes_day values ('2024-03-05', 100)"));

        sumFormDialog dialog(1);
        QCOMPARE(dialog.findChild<QDateEdit*>("dateEdit")->date(), QDateEdit().date());
        QCOMPARE(dialog.findChild<QDateEdit*>("dateEdit_2")->date(), QDateEdit().date());
        QCOMPARE(totals(dialog), QStringList({"", "", "0"}));
        QCOMPARE(office.value("select count(*) from recettes_day").toInt(), 1);
    }

    void speaksEnglishWithTheTranslation() {
        TempOffice office;
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QCoreApplication::installTranslator(&english);
        sumFormDialog dialog(1);
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(dialog.windowTitle(), QString("Accounting"));
        QCOMPARE(dialog.findChild<QTabWidget*>("tabWidget")->tabText(1), QString("Per patient"));
        QCOMPARE(dialog.findChild<QLabel*>("labelDay_4")->text(), QString("Balance: "));
    }
};

KELVORA_TEST(TestSumFormDialog)
#include "test_sumformdialog.moc"
