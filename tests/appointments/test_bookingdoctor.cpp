#include "testsupport.h"

#include "appointments/dialogpatientrv.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

using testsupport::child;

// The appointment is with a dentist of the office, whoever books it.
class TestBookingDoctor : public QObject {
    Q_OBJECT

private:
    struct Office {
        testsupport::TempOffice files;
        Office() {
            files.exec("insert into user (Name, Password, Role) values ('Dr Lefèvre', 'x', 2)");
            files.exec("insert into user (Name, Password, Role) values ('Sophie', 'y', 3)");
            files.exec("insert into user (Name, Password, Role) values ('Dr Benali', 'z', 1)");
            files.exec("insert into Patients (Nom, Age) values ('Lina Haddad', 30)");
        }
        static constexpr int lefevre = 1, sophie = 2, benali = 3, patient = 1;
    };

    static QStringList items(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }

private slots:
    void receptionistChoosesTheDentistByKeyboard() {
        Office office;
        DialogPatientRV dialog(Office::sophie, Office::patient, 0);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* doctors = child<QComboBox>(&dialog, "comboBoxDoctor");
        QCOMPARE(items(doctors), QStringList({"Dr Benali", "Dr Lefèvre"}));
        QCOMPARE(doctors->currentText(), QString("Dr Benali"));

        auto* line = child<QLineEdit>(&dialog, "lineEdit");
        QTRY_VERIFY(line->hasFocus());
        QTest::keyClicks(line, "Controle");
        QTest::keyClick(line, Qt::Key_Return);
        auto* time = child<QTimeEdit>(&dialog, "timeEdit");
        QTRY_VERIFY(time->hasFocus());
        QTest::keyClicks(time, "1405");
        QCOMPARE(time->time(), QTime(14, 5));
        QTest::keyClick(time, Qt::Key_Return);
        QTRY_VERIFY(doctors->hasFocus());
        QTest::keyClick(doctors, Qt::Key_Down);
        QTest::keyClick(doctors, Qt::Key_Return);
        auto* days = child<QCalendarWidget>(&dialog, "calendarWidget")
                         ->findChild<QAbstractItemView*>("qt_calendar_calendarview");
        QTRY_VERIFY(days->hasFocus());
        testsupport::grabToFile(&dialog, "booking_doctor");
        QTest::keyClick(days, Qt::Key_Return); // Return on a day books it
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.files.value("select Médecin || '|' || RVDate from Rendezvous").toString(),
                 "Dr Lefèvre|" + QDate::currentDate().toString("yyyy-MM-dd") + "T14:05:00");
    }

    void doctorBooksForHimselfUnlessAnotherIsPreset() {
        Office office;
        DialogPatientRV dialog(Office::lefevre, Office::patient, 0);
        auto* doctors = child<QComboBox>(&dialog, "comboBoxDoctor");
        QCOMPARE(doctors->currentText(), QString("Dr Lefèvre"));
        QVERIFY(!dialog.presetDoctor("Sophie")); // not a dentist: the choice stays
        QCOMPARE(doctors->currentText(), QString("Dr Lefèvre"));
        QVERIFY(dialog.presetDoctor("dr benali"));
        QCOMPARE(doctors->currentText(), QString("Dr Benali"));
    }
};

KELVORA_TEST(TestBookingDoctor)
#include "test_bookingdoctor.moc"
