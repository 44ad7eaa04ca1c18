#include "officefixture.h"

#include "visits/dialogaddupdatevisite.h"
#include "visits/dialogtraitement.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>

using namespace officefixture;
using testsupport::TempOffice;

// Dates are typed digit by digit, as on a paper form, in the fields that show the day's name.
class TestTypedDates : public QObject {
    Q_OBJECT

private slots:
    void visitDateTypedDigitByDigit() {
        TempOffice office;
        fill(office);
        DialogAddUpdateVisite form(doctor, patient, 0);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* date = child<QDateTimeEdit>(&form, "dateDateTimeEdit");
        QTRY_VERIFY(date->hasFocus());
        // While typed into, the field is all digits; the day's name comes back when the focus leaves it.
        QTest::keyClicks(date, "050320241030");
        QCOMPARE(date->dateTime().toString("dd-MM-yyyy HH:mm"), QString("05-03-2024 10:30"));
        QCOMPARE(date->text(), QString("05-03-2024 10:30"));
        QTest::keyClick(date, Qt::Key_Return);
        auto* motif = child<QLineEdit>(&form, "motifLineEdit");
        QTRY_VERIFY(motif->hasFocus());
        QCOMPARE(date->text(), QString("mardi 05-03-2024 10:30"));
        // A date typed over a date already typed: each section takes its two digits in turn.
        date->setFocus();
        QTRY_VERIFY(date->hasFocus());
        QTest::keyClicks(date, "3112202309");
        QCOMPARE(date->dateTime().toString("dd-MM-yyyy HH:mm"), QString("31-12-2023 09:30"));
        QTest::keyClick(date, Qt::Key_Return);
        QTRY_VERIFY(motif->hasFocus());
        QTest::keyClick(motif, Qt::Key_Return);
        QTest::keyClick(child<QLineEdit>(&form, "diagnostiqueLineEdit"), Qt::Key_Return);
        QTest::keyClick(child<QLineEdit>(&form, "lineEdit"), Qt::Key_Return); // the last field saves
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select VDate from Visites").toString(), QString("2023-12-31T09:30:00"));
    }

    void actDateTypedDigitByDigit() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* date = child<QDateTimeEdit>(&dialog, "dateTimeEdit");
        QTRY_VERIFY(date->hasFocus());
        QTest::keyClicks(date, "010220261505");
        QCOMPARE(date->dateTime().toString("dd-MM-yyyy HH:mm"), QString("01-02-2026 15:05"));
        QTest::keyClick(date, Qt::Key_Return);
        QTRY_VERIFY(child<QLineEdit>(&dialog, "traitementLineEdit")->hasFocus());
        QCOMPARE(date->text(), QString("dimanche 01-02-2026 15:05"));
    }

    void prescriptionHeadedByTheDoctorChosenForTheAct() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, 0);
        QCOMPARE(dialog.prescription().drNom, QString("Dr Benali"));
        QCOMPARE(dialog.prescription().doctorAddress, QString("12 rue des Oliviers"));
        auto* doctors = child<QComboBox>(&dialog, "medcinTraitantComboBox");
        doctors->setCurrentIndex(doctors->findText("assistant"));
        const PrescriptionData page = dialog.prescription();
        QCOMPARE(page.drNom, QString("Dr Haddad"));
        QCOMPARE(page.doctorAddress, QString("3 place du Marché"));
        QCOMPARE(page.ordonnancePied, QString("Pied Haddad"));
    }
};

KELVORA_TEST(TestTypedDates)
#include "test_typeddates.moc"
