// The appointment book: today's appointments at start, the day and search filters, the state buttons, and
// the way to the appointment's patient.

#include "mainwindowfixture.h"

#include "data/listmodel.h"
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QTabWidget>

using namespace mainwindowtest;

class TestAppointmentBook : public QObject {
    Q_OBJECT

private:
    struct Book {
        Office office;
        int dupontToday = 0, martinToday = 0, dupontTomorrow = 0;
        Book() {
            const QDate today = QDate::currentDate();
            dupontToday = office.appointment(office.dupont, Office::when(today, "09:00"), "Détartrage");
            martinToday = office.appointment(office.martin, Office::when(today, "10:30"), "Extraction");
            dupontTomorrow = office.appointment(office.dupont, Office::when(today.addDays(1), "08:15"), "Contrôle");
        }
        QString state(int rv) {
            return office.files.value("select Etat from Rendezvous where RVNum = " + QString::number(rv)).toString();
        }
    };

    static QStringList names(QTableView* view) {
        QStringList values;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            values << cellText(view, row, "Nom");
        return values;
    }

    static bool stateButtonsEnabled(QWidget* w) {
        return child<QPushButton>(w, "pushButtonAttente")->isEnabled() &&
               child<QPushButton>(w, "pushButtonPresent")->isEnabled() &&
               child<QPushButton>(w, "pushButtonAbsent")->isEnabled();
    }

private slots:
    void opensOnTodaysAppointments() {
        Book book;
        auto window = openMainWindow(book.office.reception);
        MainWindow* w = window.get();
        QTest::keyClick(w, Qt::Key_F6);
        auto* view = child<QTableView>(w, "tousRendezvousTableView");
        QVERIFY(child<QCheckBox>(w, "checkBox")->isChecked());
        QCOMPARE(child<QDateEdit>(w, "dateEdit")->date(), QDate::currentDate());
        QVERIFY(child<QDateEdit>(w, "dateEdit")->isEnabled());
        QCOMPARE(names(view), QStringList({"Dupont Jeanne", "Martin Karim"}));
        QCOMPARE(view->currentIndex().row(), 0);
        QVERIFY(stateButtonsEnabled(w));
        const QString today = QDate::currentDate().toString("dd/MM/yyyy");
        QCOMPARE(child<QLabel>(w, "labelPatient")->text(), "Dupont Jeanne | " + today + " | En attente");
        QCOMPARE(view->windowTitle(), QString("Table de tous les rendez-vous"));
        QStringList shown;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            if (!view->isColumnHidden(c))
                shown << view->model()->headerData(c, Qt::Horizontal, Qt::UserRole).toString();
        QCOMPARE(shown, QStringList({"Date", "Nom", "Etat", "traitement", "Médecin"}));
        testsupport::grabToFile(w, "mainwindow_appointments");
    }

    void stateButtonsKeepTheRow() {
        Book book;
        auto window = openMainWindow(book.office.reception);
        MainWindow* w = window.get();
        QTest::keyClick(w, Qt::Key_F6);
        auto* view = child<QTableView>(w, "tousRendezvousTableView");
        clickRow(view, 1);
        const QString today = QDate::currentDate().toString("dd/MM/yyyy");
        QCOMPARE(child<QLabel>(w, "labelPatient")->text(), "Martin Karim | " + today + " | En attente");

        QTest::mouseClick(child<QPushButton>(w, "pushButtonPresent"), Qt::LeftButton);
        QCOMPARE(book.state(book.martinToday), QString("Présent"));
        QCOMPARE(book.state(book.dupontToday), QString("En attente"));
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(cellText(view, 1, "Etat"), QString("Présent"));
        QCOMPARE(child<QLabel>(w, "labelPatient")->text(), "Martin Karim | " + today + " | Présent");

        QTest::mouseClick(child<QPushButton>(w, "pushButtonAbsent"), Qt::LeftButton);
        QCOMPARE(book.state(book.martinToday), QString("Absent"));
        QCOMPARE(view->currentIndex().row(), 1);
        clickRow(view, 0);
        QTest::mouseClick(child<QPushButton>(w, "pushButtonPresent"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(w, "pushButtonAttente"), Qt::LeftButton);
        QCOMPARE(book.state(book.dupontToday), QString("En attente"));
        QCOMPARE(book.state(book.martinToday), QString("Absent"));
        QCOMPARE(view->currentIndex().row(), 0);
        testsupport::grabToFile(w, "mainwindow_appointments_marked");
    }

    void searchAndDayFilters() {
        Book book;
        auto window = openMainWindow(book.office.doctor);
        MainWindow* w = window.get();
        QTest::keyClick(w, Qt::Key_F6);
        auto* view = child<QTableView>(w, "tousRendezvousTableView");
        auto* search = child<QLineEdit>(w, "lineEdit");
        auto* day = child<QCheckBox>(w, "checkBox");

        QTest::keyClicks(search, "extr");
        QCOMPARE(names(view), QStringList({"Martin Karim"}));
        QVERIFY(stateButtonsEnabled(w)); // the refresh selects the first row again
        QTest::keyClicks(search, "zz");
        QCOMPARE(view->model()->rowCount(), 0);
        QVERIFY(!stateButtonsEnabled(w));
        QCOMPARE(child<QLabel>(w, "labelPatient")->text(), QString());

        search->clear();
        QTest::mouseClick(day, Qt::LeftButton, {}, QPoint(8, day->height() / 2));
        QVERIFY(!day->isChecked());
        QVERIFY(!child<QDateEdit>(w, "dateEdit")->isEnabled());
        QCOMPARE(names(view), QStringList({"Dupont Jeanne", "Martin Karim", "Dupont Jeanne"}));
        QTest::keyClicks(search, "contr");
        QCOMPARE(cellText(view, 0, "traitement"), QString("Contrôle"));
        QCOMPARE(view->model()->rowCount(), 1);
        search->clear();
        QTest::keyClicks(search, "o'b");
        QCOMPARE(view->model()->rowCount(), 0);
        QVERIFY(!qobject_cast<ListModel*>(view->model())->lastError().isValid());

        search->clear();
        QTest::mouseClick(day, Qt::LeftButton, {}, QPoint(8, day->height() / 2));
        QVERIFY(day->isChecked());
        child<QDateEdit>(w, "dateEdit")->setDate(QDate::currentDate().addDays(1));
        QCOMPARE(names(view), QStringList({"Dupont Jeanne"}));
        QCOMPARE(cellText(view, 0, "traitement"), QString("Contrôle"));

        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), view);
        QCOMPARE(view->currentIndex().row(), 0);
    }

    void activationOpensThePatient() {
        Book book;
        auto window = openMainWindow(book.office.reception);
        MainWindow* w = window.get();
        QCOMPARE(child<QCommandLinkButton>(w, "commandLinkButton")->text(), QString("Martin Karim"));
        QTest::keyClick(w, Qt::Key_F6);
        doubleClickRow(child<QTableView>(w, "tousRendezvousTableView"), 0);
        QCOMPARE(child<QTabWidget>(w, "tabWidget_2")->currentIndex(), 0);
        QVERIFY(action(w, "actionVisite")->isChecked());
        QVERIFY(!action(w, "actionTous_les_Rendez_vous")->isChecked());
        QCOMPARE(child<QCommandLinkButton>(w, "commandLinkButton")->text(), QString("Dupont Jeanne"));
        QCOMPARE(child<QTableView>(w, "tableViewVisite")->model()->rowCount(), 2);
        QCOMPARE(QApplication::focusWidget(), visitSearchLine(w));
    }
};

KELVORA_TEST(TestAppointmentBook)
#include "test_appointmentbook.moc"
