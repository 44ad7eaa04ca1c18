#include "testsupport.h"

#include "appointments/appointmentgrid.h"
#include "appointments/gridcanvas.h"
#include "appointments/gridlayout.h"
#include "data/server.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimeEdit>

using testsupport::child;
using testsupport::TempOffice;

namespace {

const QDate day(2026, 3, 10); // a Tuesday

appointmentday::Appointment booked(int rvNum, const QTime& time, const QString& doctor, const QDate& on = day) {
    appointmentday::Appointment a;
    a.rvNum = rvNum;
    a.when = QDateTime(on, time);
    a.doctor = doctor;
    a.patientName = QStringLiteral("P%1").arg(rvNum);
    return a;
}

struct Office {
    TempOffice office;
    int doctor = 0;
    int patient = 0;
    int otherPatient = 0;

    Office() {
        office.exec("insert into user (Name, Password, Role) values ('Dr Benali', 'x', 1)");
        doctor = int(office.lastInsertId());
        office.exec("insert into user (Name, Password, Role) values ('Dr Lefèvre', 'z', 2)");
        office.exec("insert into user (Name, Password, Role) values ('Amel', 'y', 3)");
        office.exec("insert into Patients (Nom, Age) values ('Karim O''Neil', 42)");
        patient = int(office.lastInsertId());
        office.exec("insert into Patients (Nom, Age) values ('Lina Haddad', 30)");
        otherPatient = int(office.lastInsertId());
    }

    int book(int patientNum, const QDateTime& when, const QString& doctorName,
             const QString& treatment = "Détartrage") {
        QSqlQuery query;
        query.prepare("insert into Rendezvous (PatientNum, RVDate, Médecin, traitement) values (?, ?, ?, ?)");
        query.addBindValue(patientNum);
        query.addBindValue(when.toString("yyyy-MM-ddTHH:mm:ss"));
        query.addBindValue(doctorName);
        query.addBindValue(treatment);
        query.exec();
        return int(office.lastInsertId());
    }

    QString storedTime(int rvNum) {
        return office.value("select RVDate from Rendezvous where RVNum = " + QString::number(rvNum))
            .toDateTime()
            .toString("dd-MM-yyyy HH:mm");
    }
    QString storedDoctor(int rvNum) {
        return office.value("select Médecin from Rendezvous where RVNum = " + QString::number(rvNum)).toString();
    }
};

// The second workstation on the same office.
QSqlQuery otherStation(const TempOffice& office) {
    if (!testsupport::serverLocation().isEmpty())
        return QSqlQuery(server::addConnection(QStringLiteral("other"), office.databasePath()));
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(office.databasePath());
    other.open();
    return QSqlQuery(other);
}

int columnOf(const GridLayout& layout, const QString& doctor) {
    for (int c = 0; c < layout.columns().size(); ++c)
        if (layout.columns().at(c).doctor == doctor)
            return c;
    return -1;
}

void drag(GridCanvas* canvas, const QPoint& from, const QPoint& to) {
    QWidget* area = canvas->viewport();
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    // Moves with the button held, as the test library's own moves do not carry it.
    for (const QPoint& at : {from + QPoint(10, 10), to}) {
        QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(area, &move);
    }
    QTest::mouseRelease(area, Qt::LeftButton, {}, to);
}

} // namespace

class TestAppointmentGrid : public QObject {
    Q_OBJECT

private slots:
    void overlapsShareTheirSlotSideBySide() {
        const QVector<appointmentday::Appointment> list = {
            booked(1, QTime(9, 0), "Dr A"), booked(2, QTime(9, 10), "Dr A"), booked(3, QTime(9, 0), "Dr B"),
            booked(4, QTime(21, 30), "Dr A"), booked(5, QTime(10, 0), QString())};
        const GridLayout layout(list, {day}, {"Dr A", "Dr B", "Dr C"}, 15, QTime(8, 0), QTime(20, 0));
        // Doctors in the given order, then the column without a doctor; an idle doctor keeps his column.
        QCOMPARE(layout.columns().size(), 4);
        QCOMPARE(layout.columns().last().doctor, QString());
        // The evening appointment makes the day longer rather than vanish.
        QCOMPARE(layout.slotTime(0), QTime(8, 0));
        QCOMPARE(layout.slotTime(layout.slotCount() - 1), QTime(21, 30));
        const GridLayout::Placed first = layout.placed().at(layout.placeOf(1));
        const GridLayout::Placed second = layout.placed().at(layout.placeOf(2));
        QCOMPARE(first.slot, second.slot);
        QCOMPARE(first.lanes, 2);
        QVERIFY(first.overlaps() && second.overlaps());
        QCOMPARE(QSet<int>({first.lane, second.lane}), QSet<int>({0, 1}));
        QVERIFY(!layout.placed().at(layout.placeOf(3)).overlaps());
        QVERIFY(!layout.placed().at(layout.placeOf(5)).overlaps());
        QCOMPARE(layout.placed().at(layout.placeOf(5)).column, 3);

        // A week: five days of the same doctors; an hour-long slot gathers what 15 minutes kept apart.
        QVector<QDate> week;
        for (int i = 0; i < 5; ++i)
            week << QDate(2026, 3, 9).addDays(i);
        const GridLayout hourly({booked(1, QTime(9, 0), "Dr A"), booked(2, QTime(9, 45), "Dr A", day.addDays(1))}, week,
                                {"Dr A"}, 60, QTime(8, 0), QTime(20, 0));
        QCOMPARE(hourly.columns().size(), 5);
        QCOMPARE(hourly.placed().at(hourly.placeOf(2)).column, 2);
        QCOMPARE(hourly.slotStart(2, hourly.placed().at(hourly.placeOf(2)).slot),
                 QDateTime(day.addDays(1), QTime(9, 0)));
    }

    void theGridDrawsTheDayAndMovesByDrag() {
        Office o;
        const int a = o.book(o.patient, QDateTime(day, QTime(9, 0)), "Dr Benali");
        const int b = o.book(o.otherPatient, QDateTime(day, QTime(9, 0)), "Dr Benali", "Couronne");
        o.book(o.patient, QDateTime(day.addDays(1), QTime(9, 0)), "Dr Benali");
        AppointmentGrid grid(o.doctor);
        grid.resize(1280, 800);
        grid.showDay(day);
        grid.show();
        GridCanvas* canvas = grid.canvas();
        const GridLayout& layout = canvas->gridLayout();
        QCOMPARE(layout.appointments().size(), 2);
        const QRect left = canvas->placeRect(layout.placeOf(a));
        const QRect right = canvas->placeRect(layout.placeOf(b));
        QCOMPARE(left.top(), right.top());
        QVERIFY(!left.intersects(right));
        QVERIFY(layout.placed().at(layout.placeOf(a)).overlaps());

        // Dragged to the other doctor at 10:30: written, and no longer an overlap.
        const int lefevre = columnOf(layout, "Dr Lefèvre");
        QVERIFY(lefevre >= 0);
        drag(canvas, right.center(), canvas->cellRect(lefevre, layout.slotOf(QTime(10, 30))).center());
        QCOMPARE(o.storedTime(b), QString("10-03-2026 10:30"));
        QCOMPARE(o.storedDoctor(b), QString("Dr Lefèvre"));
        QCOMPARE(canvas->currentAppointment(), b);
        QVERIFY(!canvas->gridLayout().placed().at(canvas->gridLayout().placeOf(a)).overlaps());
        testsupport::grabToFile(&grid, "appointment-grid");

        // The state buttons mark the selected appointment, the label follows.
        child<QPushButton>(&grid, "gridPresentButton")->click();
        QCOMPARE(o.office.value("select Etat from Rendezvous where RVNum = " + QString::number(b)).toString(),
                 QString("Présent"));
        QVERIFY(child<QLabel>(&grid, "gridAppointmentLabel")->text().contains("Présent"));

        // Page Down shows the next day; the keyboard reaches its appointment.
        canvas->setFocus();
        QTest::keyClick(canvas, Qt::Key_PageDown);
        QCOMPARE(grid.day(), day.addDays(1));
        QCOMPARE(canvas->gridLayout().appointments().size(), 1);
    }

    void aMoveNeverUndoesAnotherStationsMove() {
        Office o;
        const int a = o.book(o.patient, QDateTime(day, QTime(9, 0)), "Dr Benali");
        AppointmentGrid grid(o.doctor);
        grid.resize(1280, 800);
        grid.showDay(day);
        grid.show();
        GridCanvas* canvas = grid.canvas();
        const QRect shown = canvas->placeRect(canvas->gridLayout().placeOf(a));
        const QPoint target =
            canvas->cellRect(canvas->gridLayout().placed().first().column, canvas->gridLayout().slotOf(QTime(11, 0)))
                .center();
        {
            QSqlQuery other = otherStation(o.office);
            QVERIFY(
                other.exec("update Rendezvous set RVDate = '2026-03-10T14:00:00' where RVNum = " + QString::number(a)));
        }
        QSqlDatabase::removeDatabase("other");
        const auto answer = testsupport::answerMessageBox();
        drag(canvas, shown.center(), target);
        QVERIFY(answer->answered());
        QCOMPARE(o.storedTime(a), QString("10-03-2026 14:00"));
        const GridLayout& now = canvas->gridLayout();
        QCOMPARE(now.placed().at(now.placeOf(a)).slot, now.slotOf(QTime(14, 0)));
    }

    void anotherStationsChangeShowsWithinFiveSeconds() {
        Office o;
        const int a = o.book(o.patient, QDateTime(day, QTime(9, 0)), "Dr Benali");
        AppointmentGrid grid(o.doctor);
        grid.showDay(day);
        grid.show();
        GridCanvas* canvas = grid.canvas();
        QVERIFY(!grid.checkForChanges()); // nothing changed: the day is not read again
        {
            QSqlQuery other = otherStation(o.office);
            QVERIFY(
                other.exec("update Rendezvous set RVDate = '2026-03-10T16:15:00' where RVNum = " + QString::number(a)));
        }
        QSqlDatabase::removeDatabase("other");
        QTRY_COMPARE_WITH_TIMEOUT(canvas->gridLayout().placed().first().slot,
                                  canvas->gridLayout().slotOf(QTime(16, 15)), AppointmentGrid::changeCheckMs + 2000);
    }

    void aDoubleClickOnAFreeSlotBooksThere() {
        Office o;
        AppointmentGrid grid(o.doctor);
        grid.resize(1280, 800);
        grid.showDay(day);
        grid.show();
        grid.choosePatient = [&o] { return o.otherPatient; };
        GridCanvas* canvas = grid.canvas();
        // Another dentist's column than the user's own: the booking is with that dentist.
        const int column = columnOf(canvas->gridLayout(), "Dr Lefèvre");
        const int slot = canvas->gridLayout().slotOf(QTime(8, 45));
        QDate presetDay;
        QTime presetTime;
        const testsupport::ModalAnswer booking([&](QWidget* dialog) {
            presetDay = child<QCalendarWidget>(dialog, "calendarWidget")->selectedDate();
            presetTime = child<QTimeEdit>(dialog, "timeEdit")->time();
            child<QPushButton>(dialog, "pushButton_2")->click();
        });
        canvas->setCurrent(column, slot);
        QTest::mouseDClick(canvas->viewport(), Qt::LeftButton, {}, canvas->cellRect(column, slot).center());
        QVERIFY(booking.answered());
        QCOMPARE(presetDay, day);
        QCOMPARE(presetTime, QTime(8, 45));
        QCOMPARE(o.office.value("select count(*) from Rendezvous where PatientNum = " + QString::number(o.otherPatient))
                     .toInt(),
                 1);
        QCOMPARE(canvas->gridLayout().appointments().size(), 1);
        QCOMPARE(canvas->gridLayout().appointments().first().when, QDateTime(day, QTime(8, 45)));
        QCOMPARE(o.office.value("select Médecin from Rendezvous where PatientNum = " + QString::number(o.otherPatient))
                     .toString(),
                 QStringLiteral("Dr Lefèvre"));
    }
};

KELVORA_TEST(TestAppointmentGrid)
#include "test_appointmentgrid.moc"
