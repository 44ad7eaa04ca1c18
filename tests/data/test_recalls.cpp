#include "testsupport.h"

#include "data/recalls.h"

#include <QSet>
#include <QTest>

using testsupport::TempOffice;

// The patients due back, compared with the rule worked out by hand on a small office.
class TestRecalls : public QObject {
    Q_OBJECT

    static QString day(const QDate& date) { return date.toString(QStringLiteral("dd-MM-yyyy")); }

    static int addPatient(TempOffice& office, const QString& name, const QDate& lastVisit) {
        office.exec(QStringLiteral("insert into Patients (Nom, Tel) values ('%1', '01 02')").arg(name));
        const int patient = int(office.lastInsertId());
        if (lastVisit.isValid()) {
            // An older visit too: the last one decides.
            office.exec(QStringLiteral("insert into Visites (PatientNum, Type, VDate) values (%1, 'Soins', '%2')")
                            .arg(patient)
                            .arg(day(lastVisit.addYears(-2))));
            office.exec(QStringLiteral("insert into Visites (PatientNum, Type, VDate) values (%1, 'Soins', '%2 10:30')")
                            .arg(patient)
                            .arg(day(lastVisit)));
        }
        return patient;
    }

    static void book(TempOffice& office, int patient, const QDate& when) {
        office.exec(QStringLiteral("insert into Rendezvous (PatientNum, RVDate) values (%1, '%2 09:00')")
                        .arg(patient)
                        .arg(day(when)));
    }

private slots:
    void dueByTheRule() {
        TempOffice office;
        QVERIFY(office.isValid());
        const QDate today = QDate::currentDate();
        const QDate limit = today.addMonths(-6);
        const int onLimit = addPatient(office, QStringLiteral("Limite"), limit);
        const int dayAfter = addPatient(office, QStringLiteral("Recent"), limit.addDays(1));
        const int old = addPatient(office, QStringLiteral("Ancien"), limit.addDays(-40));
        const int booked = addPatient(office, QStringLiteral("Reserve"), limit.addDays(-10));
        book(office, booked, today.addDays(3));
        const int bookedToday = addPatient(office, QStringLiteral("Aujourdhui"), limit.addDays(-10));
        book(office, bookedToday, today);
        const int pastOnly = addPatient(office, QStringLiteral("Passe"), limit.addDays(-20));
        book(office, pastOnly, today.addDays(-5));
        const int refused = addPatient(office, QStringLiteral("Refus"), limit.addDays(-50));
        addPatient(office, QStringLiteral("Jamais venu"), QDate());
        const int quote = addPatient(office, QStringLiteral("D''Arc, Jeanne"), limit.addDays(-40));
        QVERIFY(recalls::setDoNotRecall(refused));

        const QList<recalls::Row> rows = recalls::due();
        QList<int> order;
        for (const recalls::Row& row : rows)
            order << row.patient;
        // Most overdue first; ties by name.
        QCOMPARE(order, (QList<int>{old, quote, pastOnly, onLimit}));
        QCOMPARE(rows.at(0).daysOverdue, 40);
        QCOMPARE(rows.at(0).lastVisit, limit.addDays(-40));
        QCOMPARE(rows.at(3).daysOverdue, 0);
        QVERIFY(!order.contains(dayAfter));

        // Marking the patient back in brings him back; a period longer than anyone's absence lists nobody.
        QVERIFY(recalls::setDoNotRecall(refused, false));
        QCOMPARE(recalls::due().first().patient, refused);
        QVERIFY(recalls::due(1200).isEmpty());
    }

    void calledNoteAndCsv() {
        TempOffice office;
        QVERIFY(office.isValid());
        const int patient = addPatient(office, QStringLiteral("D''Arc, Jeanne"), QDate::currentDate().addYears(-1));
        const QString note = QStringLiteral("Rappeler \"lundi\", messagerie\nsoir");
        QVERIFY(recalls::markCalled(patient, note, QDate(2026, 3, 4)));
        QVERIFY(recalls::markCalled(patient, note, QDate(2026, 3, 5))); // the second call replaces the first
        const QList<recalls::Row> rows = recalls::due();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().called, QDate(2026, 3, 5));
        QCOMPARE(rows.first().note, note);
        QCOMPARE(office.value(QStringLiteral("select count(*) from Rappels")).toInt(), 1);

        const QString text = QString::fromUtf8(recalls::csv(rows));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("Patient,Nom,Tel,Derniere visite,Jours de retard,Appele,Note"));
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        QVERIFY(text.contains(QStringLiteral(",\"D'Arc, Jeanne\",01 02,")));
        QVERIFY(text.contains(QStringLiteral(",05-03-2026,\"Rappeler \"\"lundi\"\", messagerie\nsoir\"\r\n")));
    }
};

KELVORA_TEST(TestRecalls)
#include "test_recalls.moc"
