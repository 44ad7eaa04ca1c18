#include "testsupport.h"

#include "app/settingskeys.h"
#include "appointments/dialogpatientrv.h"
#include "appointments/dialogrendezvous.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QCompleter>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>

using testsupport::TempOffice;

namespace {

// An office with two users and two patients; the tests book for the first patient.
struct Office {
    TempOffice office;
    int doctor = 0;
    int receptionist = 0;
    int patient = 0;
    int otherPatient = 0;

    Office() {
        office.exec("insert into user (Name, Password, Role) values ('Dr Benali', 'x', 1)");
        doctor = int(office.lastInsertId());
        office.exec("insert into user (Name, Password, Role) values ('Amel', 'y', 3)");
        receptionist = int(office.lastInsertId());
        office.exec("insert into Patients (Nom, Age, Antecedent_G, Antecedent_L) "
                    "values ('Karim O''Neil', 42, 'Diabète', 'Bruxisme')");
        patient = int(office.lastInsertId());
        office.exec("insert into Patients (Nom, Age) values ('Lina Haddad', 30)");
        otherPatient = int(office.lastInsertId());
    }

    int book(int patientNum, const QDateTime& when, const QString& treatment, const QString& booker = "Amel") {
        QSqlQuery query;
        query.prepare("insert into Rendezvous (PatientNum, RVDate, Médecin, traitement) values (?, ?, ?, ?)");
        query.addBindValue(patientNum);
        query.addBindValue(when.toString("yyyy-MM-ddTHH:mm:ss"));
        query.addBindValue(booker);
        query.addBindValue(treatment);
        query.exec();
        return int(office.lastInsertId());
    }

    int count(const QString& where = "1=1") {
        return office.value("select count(*) from Rendezvous where " + where).toInt();
    }
};

using testsupport::child;

void showActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

QAbstractItemView* calendarView(QWidget* dialog) {
    return child<QCalendarWidget>(dialog, "calendarWidget")->findChild<QAbstractItemView*>("qt_calendar_calendarview");
}

void clickRow(QTableView* view, int row, int column) {
    const QRect cell = view->visualRect(view->model()->index(row, column));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

// Types as a user would, accented letters included (QTest::keyClicks only knows ASCII).
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

const QLocale french(QLocale::French, QLocale::France);

} // namespace

class TestBooking : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The day names must be French even on an English desktop.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init() { QSettings(settingskeys::windowOrganization, settingskeys::windowApplication).clear(); }

    void newAppointmentIsBookedByTheUserAtTheChosenTime() {
        Office office;
        DialogPatientRV dialog(office.doctor, office.patient, 0);
        showActive(&dialog);
        QCOMPARE(dialog.windowTitle(), QString("Nouveau Rendez-vous "));
        auto* time = child<QTimeEdit>(&dialog, "timeEdit");
        QCOMPARE(time->time(), QTime(8, 0));
        QVERIFY(child<QWidget>(&dialog, "comboBoxTime")->isHidden());

        auto* line = child<QLineEdit>(&dialog, "lineEdit");
        QTRY_VERIFY(line->hasFocus());
        type(line, "Détartrage d'urgence");
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_VERIFY(time->hasFocus());
        QVERIFY(dialog.isVisible()); // Return in the treatment line moves on, it does not close the dialog

        // 08:00 -> 14:05 with the arrow keys, hours then minutes.
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(time, Qt::Key_Up);
        QTest::keyClick(time, Qt::Key_Tab);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(time, Qt::Key_Up);
        QCOMPARE(time->time(), QTime(14, 5));
        QTest::keyClick(time, Qt::Key_Return);
        // The dentist comes next, already chosen: the booking doctor himself.
        auto* doctors = child<QWidget>(&dialog, "comboBoxDoctor");
        QTRY_VERIFY(doctors->hasFocus());
        QTest::keyClick(doctors, Qt::Key_Return);
        QTRY_VERIFY(calendarView(&dialog)->hasFocus());

        const QDate tomorrow = QDate::currentDate().addDays(1);
        QTest::keyClick(calendarView(&dialog), Qt::Key_Right);
        QCOMPARE(child<QCalendarWidget>(&dialog, "calendarWidget")->selectedDate(), tomorrow);
        QCOMPARE(child<QTabWidget>(&dialog, "tabWidget_2")->tabText(0), french.toString(tomorrow, "dddd dd-MM-yyyy"));

        testsupport::grabToFile(&dialog, "booking_new");
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_2"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        QSqlQuery row("select PatientNum, RVDate, Médecin, traitement, Etat from Rendezvous");
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toInt(), office.patient);
        QCOMPARE(row.value(1).toString(), tomorrow.toString("yyyy-MM-dd") + "T14:05:00");
        QCOMPARE(row.value(2).toString(), QString("Dr Benali"));
        QCOMPARE(row.value(3).toString(), QString("Détartrage d'urgence"));
        QCOMPARE(row.value(4).toString(), QString("En attente"));
        QVERIFY(!row.next());
    }

    void treatmentCompletionFindsEveryMatchingLine() {
        Office office;
        DialogPatientRV dialog(office.doctor, office.patient, 0);
        showActive(&dialog);
        auto* line = child<QLineEdit>(&dialog, "lineEdit");
        QCompleter* completer = line->completer();
        QVERIFY(completer);
        QVERIFY(completer->model()->rowCount() >= 16); // the shipped list
        const QList<QPair<QString, QStringList>> cases = {
            {"pul", {"Pulpotomie", "Pulpectomie"}},
            {"RAD", {"Radiographie"}},
            {"obturation c", {"Obturation canalaire", "Obturation composite"}},
            {"dé", {"Détartrage"}},
        };
        for (const auto& [typed, expected] : cases) {
            line->clear();
            type(line, typed);
            QStringList offered;
            for (int i = 0; completer->setCurrentRow(i); ++i)
                offered << completer->currentCompletion();
            QCOMPARE(offered, expected);
        }
    }

    void dayCountAndListAreInformationOnly() {
        Office office;
        const QDate today = QDate::currentDate();
        office.book(office.otherPatient, QDateTime(today, QTime(8, 0)), "Extraction");
        office.book(office.otherPatient, QDateTime(today, QTime(9, 30)), "Blanchiment");
        office.book(office.patient, QDateTime(today, QTime(11, 0)), "Contrôle");
        office.book(office.patient, QDateTime(today.addDays(2), QTime(11, 0)), "Contrôle");

        DialogPatientRV dialog(office.doctor, office.patient, 0);
        showActive(&dialog);
        auto* count = child<QPushButton>(&dialog, "btnViewRV");
        auto* list = child<QTableView>(&dialog, "tableView");
        QCOMPARE(count->text(), QString("3 rendez-vous"));
        QCOMPARE(list->model()->rowCount(), 3);
        QVERIFY(list->isColumnHidden(5)); // Num
        QVERIFY(list->isColumnHidden(6)); // RVDate
        QCOMPARE(qobject_cast<QStyledItemDelegate*>(list->itemDelegateForColumn(0))
                     ->displayText(list->model()->index(0, 0).data(), QLocale()),
                 french.toString(QDateTime(today, QTime(8, 0)), "dddd dd-MM-yyyy HH:mm:ss"));
        testsupport::grabToFile(&dialog, "booking_day_list");

        QAbstractItemView* calendar = calendarView(&dialog);
        calendar->setFocus();
        QTest::keyClick(calendar, Qt::Key_Right);
        QCOMPARE(count->text(), QString("0 rendez-vous"));
        QCOMPARE(list->model()->rowCount(), 0);
        QTest::keyClick(calendar, Qt::Key_Right);
        QCOMPARE(count->text(), QString("1 rendez-vous"));
        QTest::keyClick(calendar, Qt::Key_Left);
        QTest::keyClick(calendar, Qt::Key_Left);
        QCOMPARE(count->text(), QString("3 rendez-vous"));

        // A fourth on the same day at the same time as another one is still taken: Return on the date saves.
        QTest::keyClick(calendar, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.count("RVDate = '" + today.toString("yyyy-MM-dd") + "T08:00:00'"), 2);
        QCOMPARE(office.count("date(RVDate) = '" + today.toString("yyyy-MM-dd") + "'"), 4);
    }

    void doubleClickOnADateSaves() {
        Office office;
        DialogPatientRV dialog(office.doctor, office.patient, 0);
        showActive(&dialog);
        QAbstractItemView* calendar = calendarView(&dialog);
        const QRect cell = calendar->visualRect(calendar->currentIndex());
        QTest::mouseDClick(calendar->viewport(), Qt::LeftButton, {}, cell.center());
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.office.value("select RVDate from Rendezvous").toString(),
                 QDate::currentDate().toString("yyyy-MM-dd") + "T08:00:00");
    }

    void editingReplacesTheBookerAndKeepsTheState() {
        Office office;
        const QDateTime when(QDate::currentDate().addDays(3), QTime(10, 30));
        const int rv = office.book(office.patient, when, "Extraction", "Amel");
        office.office.exec("update Rendezvous set Etat = 'Présent' where RVNum = " + QString::number(rv));
        office.book(office.patient, when.addDays(1), "Contrôle", "Amel");

        DialogPatientRV dialog(office.doctor, office.patient, rv);
        showActive(&dialog);
        QCOMPARE(dialog.windowTitle(), "Rendez-vous N° " + QString::number(rv));
        auto* line = child<QLineEdit>(&dialog, "lineEdit");
        QCOMPARE(line->text(), QString("Extraction"));
        QCOMPARE(child<QCalendarWidget>(&dialog, "calendarWidget")->selectedDate(), when.date());
        QCOMPARE(child<QTimeEdit>(&dialog, "timeEdit")->time(), QTime(10, 30));
        QCOMPARE(child<QTabWidget>(&dialog, "tabWidget_2")->tabText(0),
                 french.toString(when.date(), "dddd dd-MM-yyyy"));
        QCOMPARE(child<QPushButton>(&dialog, "btnViewRV")->text(), QString("1 rendez-vous"));

        line->selectAll();
        type(line, "Extraction de l'incisive");
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_2"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        QCOMPARE(office.count(), 2);
        QSqlQuery row("select RVDate, Médecin, traitement, Etat from Rendezvous where RVNum = " + QString::number(rv));
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toString(), when.toString("yyyy-MM-ddTHH:mm:ss"));
        QCOMPARE(row.value(1).toString(), QString("Dr Benali"));
        QCOMPARE(row.value(2).toString(), QString("Extraction de l'incisive"));
        QCOMPARE(row.value(3).toString(), QString("Présent"));
    }

    void dayListChoiceIsRememberedOnClose() {
        Office office;
        const QString key = settingskeys::bookingDetails;
        {
            DialogPatientRV dialog(office.doctor, office.patient, 0);
            showActive(&dialog);
            auto* details = child<QWidget>(&dialog, "tabWidget_2");
            QVERIFY(details->isVisible());
            QTest::keyClick(dialog.windowHandle(), Qt::Key_F12);
            QTRY_VERIFY(!details->isVisible()); // a shortcut clicks its button a moment later
            testsupport::grabToFile(&dialog, "booking_details_hidden");
            QTest::mouseClick(child<QPushButton>(&dialog, "annulerInfoBtn"), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
        QCOMPARE(settings.value(key).toString(), QString("true"));
        QVERIFY(settings.contains("DialogPatientRV/geometry"));
        {
            DialogPatientRV dialog(office.doctor, office.patient, 0);
            showActive(&dialog);
            auto* details = child<QWidget>(&dialog, "tabWidget_2");
            QVERIFY(!details->isVisible());
            QTest::mouseClick(child<QPushButton>(&dialog, "btnViewRV"), Qt::LeftButton);
            QVERIFY(details->isVisible());
            // Saving does not store the choice.
            QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_2"), Qt::LeftButton);
        }
        settings.sync();
        QCOMPARE(settings.value(key).toString(), QString("true"));
        {
            DialogPatientRV dialog(office.doctor, office.patient, 0);
            showActive(&dialog);
            QVERIFY(!child<QWidget>(&dialog, "tabWidget_2")->isVisible());
            QTest::mouseClick(child<QPushButton>(&dialog, "btnViewRV"), Qt::LeftButton);
            dialog.close(); // the title bar's close stores it too
        }
        settings.sync();
        QCOMPARE(settings.value(key).toString(), QString("false"));

        // Stored texts read as a flag: only empty, "0" and "false" in any case mean shown.
        const QList<QPair<QString, bool>> stored = {
            {"FALSE", true}, {"0", true}, {"", true}, {"1", false}, {"oui", false}};
        for (const auto& [text, shown] : stored) {
            settings.setValue(key, text);
            settings.sync();
            DialogPatientRV dialog(office.doctor, office.patient, 0);
            showActive(&dialog);
            QVERIFY2(child<QWidget>(&dialog, "tabWidget_2")->isVisible() == shown, qPrintable(text));
        }
    }
};
KELVORA_TEST(TestBooking)

class TestPatientAppointments : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        Office office;
        int older = 0, middle = 0, newest = 0;
        Fixture() {
            middle = office.book(office.patient, QDateTime(QDate(2025, 3, 4), QTime(9, 0)), "Soin d'urgence");
            older = office.book(office.patient, QDateTime(QDate(2024, 1, 15), QTime(10, 0)), "Extraction");
            newest = office.book(office.patient, QDateTime(QDate(2025, 11, 20), QTime(16, 30)), "Blanchiment 2024");
            office.book(office.otherPatient, QDateTime(QDate(2025, 5, 5), QTime(8, 0)), "Soin d'urgence");
        }
    };

    static QList<int> listedNumbers(QTableView* view) {
        QList<int> numbers;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            numbers << view->model()->index(row, 0).data().toInt();
        return numbers;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { QSettings(settingskeys::windowOrganization, settingskeys::windowApplication).clear(); }

    void listsThePatientNewestFirstWithHistory() {
        Fixture f;
        DialogRendezVous dialog(f.office.patient, 1, f.office.doctor);
        showActive(&dialog);
        QCOMPARE(dialog.windowTitle(), QString("Rendez-vous pour : Karim O'Neil"));
        QCOMPARE(child<QLabel>(&dialog, "labelNom")->text(), QString("Karim O'Neil"));
        QCOMPARE(child<QLabel>(&dialog, "labelAge")->text(), QString("42 ans"));
        QCOMPARE(child<QLabel>(&dialog, "labelAntecedent")->text(), QString("Diabète / Bruxisme"));
        QVERIFY(child<QLabel>(&dialog, "labelAntecedent")->isVisible());

        auto* view = child<QTableView>(&dialog, "tableView");
        QCOMPARE(listedNumbers(view), (QList<int>{f.newest, f.middle, f.older}));
        QVERIFY(view->isColumnHidden(0));
        QVERIFY(view->isColumnHidden(1));
        QVERIFY(!view->isColumnHidden(5)); // Etat
        QCOMPARE(qobject_cast<QStyledItemDelegate*>(view->itemDelegateForColumn(2))
                     ->displayText(view->model()->index(0, 2).data(), QLocale()),
                 QString("jeudi  20-11-2025 16:30"));
        QVERIFY(child<QLineEdit>(&dialog, "lineEdit")->hasFocus());
        testsupport::grabToFile(&dialog, "patient_appointments");
    }

    void receptionDoesNotSeeTheHistory() {
        Fixture f;
        DialogRendezVous dialog(f.office.patient, 3, f.office.receptionist);
        showActive(&dialog);
        QVERIFY(!child<QLabel>(&dialog, "label_6")->isVisible());
        QVERIFY(!child<QLabel>(&dialog, "labelAntecedent")->isVisible());
        QVERIFY(child<QLabel>(&dialog, "labelNom")->isVisible());
        testsupport::grabToFile(&dialog, "patient_appointments_reception");
    }

    void missingPatientLeavesTheHeaderEmpty() {
        Office office;
        DialogRendezVous dialog(9999, 1, office.doctor);
        QCOMPARE(dialog.windowTitle(), QString("Rendez-vous pour : "));
        QCOMPARE(child<QLabel>(&dialog, "labelAge")->text(), QString(" ans"));
        QCOMPARE(child<QLabel>(&dialog, "labelAntecedent")->text(), QString(" / "));
    }

    void filterTakesApostrophesAndStaysOnThePatient() {
        Fixture f;
        DialogRendezVous dialog(f.office.patient, 1, f.office.doctor);
        showActive(&dialog);
        auto* line = child<QLineEdit>(&dialog, "lineEdit");
        auto* view = child<QTableView>(&dialog, "tableView");

        type(line, "d'urg");
        QCOMPARE(listedNumbers(view), QList<int>{f.middle});
        line->clear();
        type(line, "2024"); // the treatment text of one, the date of another
        QCOMPARE(listedNumbers(view), (QList<int>{f.newest, f.older}));
        type(line, "zz");
        QCOMPARE(view->model()->rowCount(), 0);
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Backspace);
        QCOMPARE(listedNumbers(view), (QList<int>{f.newest, f.middle, f.older}));

        QTest::keyClick(line, Qt::Key_Return);
        QVERIFY(view->hasFocus());
        QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 0);
        QVERIFY(dialog.isVisible());
    }

    void delDeletesTheSelectedRowWithoutAsking() {
        Fixture f;
        DialogRendezVous dialog(f.office.patient, 1, f.office.doctor);
        showActive(&dialog);
        auto* view = child<QTableView>(&dialog, "tableView");
        clickRow(view, 1, 2);
        QVERIFY(child<QPushButton>(&dialog, "pushButton")->isEnabled());
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Delete); // to the focused list
        QTRY_COMPARE(listedNumbers(view), (QList<int>{f.newest, f.older}));
        QCOMPARE(f.office.count(), 3);
        QCOMPARE(f.office.count("RVNum = " + QString::number(f.middle)), 0);
        QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == &dialog);

        // The list was read again: no row is current any more, so the button deletes nothing until one is chosen.
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton"), Qt::LeftButton);
        QCOMPARE(f.office.count(), 3);
        clickRow(view, 0, 2);
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton"), Qt::LeftButton);
        QCOMPARE(listedNumbers(view), QList<int>{f.older});
        QCOMPARE(f.office.count(), 2);
    }

    void newAndChangedAppointmentsGoThroughTheBooking() {
        Fixture f;
        f.office.office.writeResource("liste_traitement.txt", "Extraction\nD\xe9tartrage\nextraction\n");
        DialogRendezVous dialog(f.office.patient, 1, f.office.doctor);
        showActive(&dialog);
        auto* view = child<QTableView>(&dialog, "tableView");
        auto* line = child<QLineEdit>(&dialog, "lineEdit");
        QCOMPARE(line->completer()->model()->rowCount(), 2);

        auto booking = std::make_unique<testsupport::ModalAnswer>([](QWidget* widget) {
            auto* rv = qobject_cast<DialogPatientRV*>(widget);
            if (!rv)
                return;
            type(rv->findChild<QLineEdit*>("lineEdit"), "Contrôle");
            QTest::mouseClick(rv->findChild<QPushButton*>("pushButton_2"), Qt::LeftButton);
        });
        QTest::keyClick(dialog.windowHandle(), Qt::Key_F9);
        QTRY_VERIFY(booking->answered());
        QTRY_COMPARE(f.office.count(), 5);
        QCOMPARE(f.office.count(), 5);
        QCOMPARE(view->model()->rowCount(), 4);
        QCOMPARE(view->model()->index(0, 4).data().toString(), QString("Contrôle"));
        QCOMPARE(view->model()->index(0, 3).data().toString(), QString("Dr Benali"));
        QCOMPARE(dialog.focusWidget(), line);

        showActive(&dialog);  // the window manager gives the list window back its activation
        clickRow(view, 2, 2); // the middle one
        QString seenTitle;
        booking = std::make_unique<testsupport::ModalAnswer>([&seenTitle](QWidget* widget) {
            auto* rv = qobject_cast<DialogPatientRV*>(widget);
            if (!rv)
                return;
            seenTitle = rv->windowTitle();
            auto* treatment = rv->findChild<QLineEdit*>("lineEdit");
            treatment->selectAll();
            type(treatment, "Soin d'urgence revu");
            QTest::mouseClick(rv->findChild<QPushButton*>("pushButton_2"), Qt::LeftButton);
        });
        QTest::keyClick(dialog.windowHandle(), Qt::Key_F10);
        QTRY_VERIFY(booking->answered());
        QTRY_COMPARE(view->model()->index(2, 4).data().toString(), QString("Soin d'urgence revu"));
        QCOMPARE(seenTitle, "Rendez-vous N° " + QString::number(f.middle));
        QCOMPARE(f.office.office.value("select traitement from Rendezvous where RVNum = " + QString::number(f.middle))
                     .toString(),
                 QString("Soin d'urgence revu"));
        QCOMPARE(view->model()->index(2, 4).data().toString(), QString("Soin d'urgence revu"));

        // A rejected booking changes nothing.
        auto closing = testsupport::rejectNextDialog();
        showActive(&dialog);
        clickRow(view, 1, 2);
        QTest::keyClick(view, Qt::Key_Return); // Return on a row opens it like a double click
        QVERIFY(closing->answered());
        QCOMPARE(f.office.count(), 5);

        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_3"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(QSettings(settingskeys::windowOrganization, settingskeys::windowApplication)
                    .contains("DialogRendezVous/geometry"));
    }
};
KELVORA_TEST(TestPatientAppointments)

#include "test_appointments.moc"
