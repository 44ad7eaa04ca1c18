#include "officefixture.h"

#include "data/server.h"

#include "visits/dialogaddupdatevisite.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace officefixture;
using testsupport::TempOffice;

class TestVisitForm : public QObject {
    Q_OBJECT

private slots:
    void newCareVisiteWritesTheVisitAndItsFirstAct() {
        TempOffice office;
        fill(office);
        // Another visit first, so that the new one is not merely the only one.
        addVisit(office, "SOINS", "01-01-2024 09:00");

        DialogAddUpdateVisite form(doctor, patient, 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QString("Nouveau Visite "));
        auto* tabs = child<QTabWidget>(&form, "tabWidget");
        QCOMPARE(tabs->tabText(0), QString("SOINS"));
        QVERIFY(child<QLabel>(&form, "labelSoins")->isVisible());
        QVERIFY(!child<QLabel>(&form, "labelProthese")->isVisible());
        QCOMPARE(child<QLabel>(&form, "labelNom")->text(), QString("Ali"));
        QCOMPARE(child<QLabel>(&form, "labelAge")->text(), QString("34 ans"));
        QCOMPARE(child<QLabel>(&form, "labelAntecedent")->text(), QString("Diabète / Gingivite"));
        auto* type = child<QLineEdit>(&form, "lineEdit");
        QCOMPARE(type->text(), QString("/"));
        auto* date = child<QDateTimeEdit>(&form, "dateDateTimeEdit");
        QVERIFY(qAbs(date->dateTime().secsTo(QDateTime::currentDateTime())) < 120);
        QVERIFY(date->hasFocus());
        testsupport::grabToFile(&form, "visitform_new_care");

        date->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(10, 30)));
        QTest::keyClick(date, Qt::Key_Return);
        auto* motif = child<QLineEdit>(&form, "motifLineEdit");
        QTRY_VERIFY(motif->hasFocus());
        typeText(motif, "Mal à l'oreille");
        QTest::keyClick(motif, Qt::Key_Return);
        auto* diagnostique = child<QLineEdit>(&form, "diagnostiqueLineEdit");
        QVERIFY(diagnostique->hasFocus());
        typeText(diagnostique, "Pulpite");
        QTest::keyClick(diagnostique, Qt::Key_Return);
        QVERIFY(type->hasFocus());
        QTest::keyClick(type, Qt::Key_Return); // the last field saves

        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select count(*) from Visites").toInt(), 2);
        const int visit = office.value("select max(VisiteNum) from Visites").toInt();
        QCOMPARE(office
                     .value(QString("select PatientNum || '|' || Type || '|' || VDate || '|' || Motif || '|' || "
                                    "Diagnostique || '|' || TypeProthese from Visites where VisiteNum = %1")
                                .arg(visit))
                     .toString(),
                 QString("1|SOINS|2024-03-05T10:30:00|Mal à l'oreille|Pulpite|/"));
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 1);
        QCOMPARE(office.value("select visite_id || '|' || VDate || '|' || Medcin_id from Traitements").toString(),
                 QString("%1|2024-03-05T10:30:00|1").arg(visit));
    }

    // The new visit's act belongs to the visit this form inserted, even when a later visit number exists.
    void theFirstActBelongsToTheInsertedVisit() {
        TempOffice office;
        fill(office);
        // A trigger of another client: every visit insert is followed by one more visit with a higher number.
        if (testsupport::serverLocation().isEmpty()) {
            QVERIFY(
                office.exec("create trigger other_client after insert on Visites when new.PatientNum = 1 begin "
                            "insert into Visites (PatientNum, Type, VDate) values (99, 'SOINS', '01-01-2024 08:00'); "
                            "end"));
        } else {
            QCOMPARE(server::execScript(
                         QSqlDatabase::database(),
                         "CREATE FUNCTION other_client() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                         "INSERT INTO Visites (PatientNum, Type, VDate) VALUES (99, 'SOINS', '01-01-2024 08:00'); "
                         "RETURN NULL; END $$; CREATE TRIGGER other_client AFTER INSERT ON Visites FOR EACH ROW "
                         "WHEN (new.PatientNum = 1) EXECUTE FUNCTION other_client();"),
                     QString());
        }
        DialogAddUpdateVisite form(assistant, patient, -1);
        form.show();
        QTest::keyClicks(child<QLineEdit>(&form, "motifLineEdit"), "Couronne");
        QTest::mouseClick(child<QPushButton>(&form, "pushButton"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const int visit = office.value("select VisiteNum from Visites where PatientNum = 1").toInt();
        QCOMPARE(office.value("select Type from Visites where PatientNum = 1").toString(), QString("PROTHESE"));
        QCOMPARE(office.value("select visite_id from Traitements").toInt(), visit);
        QCOMPARE(office.value("select Medcin_id from Traitements").toInt(), assistant);
    }

    void newProthesisVisiteShowsItsType() {
        TempOffice office;
        fill(office);
        DialogAddUpdateVisite form(doctor, patient, -1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(child<QTabWidget>(&form, "tabWidget")->tabText(0), QString("PROTHESE"));
        QVERIFY(!child<QLabel>(&form, "labelSoins")->isVisible());
        QVERIFY(child<QLabel>(&form, "labelProthese")->isVisible());
        testsupport::grabToFile(&form, "visitform_new_prothese");
    }

    void failingVisitInsertWritesNoActAndTellsTheUser() {
        TempOffice office;
        fill(office);
        QVERIFY(office.refuse("insert", "Visites", "le disque est plein"));
        DialogAddUpdateVisite form(doctor, patient, 0);
        form.show();
        auto* motif = child<QLineEdit>(&form, "motifLineEdit");
        typeText(motif, "Contrôle");
        auto answer = testsupport::answerMessageBox();
        QTest::mouseClick(child<QPushButton>(&form, "pushButton"), Qt::LeftButton);
        QVERIFY(answer->answered());
        QVERIFY2(answer->seenText().contains("rien n'a été écrit"), qPrintable(answer->seenText()));
        QVERIFY(form.isVisible());
        QCOMPARE(motif->text(), QString("Contrôle"));
        QCOMPARE(office.value("select count(*) from Visites").toInt(), 0);
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 0);

        // Once the cause is gone, the same form saves.
        QVERIFY(office.allow("insert", "Visites"));
        QTest::mouseClick(child<QPushButton>(&form, "pushButton"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select count(*) from Visites").toInt(), 1);
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 1);
    }

    void failingFirstActUndoesTheVisit() {
        TempOffice office;
        fill(office);
        QVERIFY(office.refuse("insert", "Traitements", "acte refusé"));
        DialogAddUpdateVisite form(doctor, patient, 0);
        form.show();
        auto answer = testsupport::answerMessageBox();
        QTest::mouseClick(child<QPushButton>(&form, "pushButton"), Qt::LeftButton);
        QVERIFY(answer->answered());
        QVERIFY2(answer->seenText().contains("rien n'a été écrit"), qPrintable(answer->seenText()));
        QVERIFY(form.isVisible());
        QCOMPARE(office.value("select count(*) from Visites").toInt(), 0);
    }

    void editShowsAndSavesTheVisit() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 10:30");

        DialogAddUpdateVisite form(doctor, patient, visit);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QString("Visite N° %1").arg(visit));
        QCOMPARE(child<QDateTimeEdit>(&form, "dateDateTimeEdit")->dateTime(),
                 QDateTime(QDate(2024, 3, 5), QTime(10, 30)));
        auto* motif = child<QLineEdit>(&form, "motifLineEdit");
        QCOMPARE(motif->text(), QString("Douleur"));
        QCOMPARE(child<QLineEdit>(&form, "diagnostiqueLineEdit")->text(), QString("Carie"));
        QCOMPARE(child<QLineEdit>(&form, "lineEdit")->text(), QString("/"));
        QCOMPARE(child<QTabWidget>(&form, "tabWidget")->tabText(0), QString("SOINS"));
        testsupport::grabToFile(&form, "visitform_edit");

        typeOver(motif, "Dent d'en haut");
        typeOver(child<QLineEdit>(&form, "lineEdit"), "Bridge");
        QTest::mouseClick(child<QPushButton>(&form, "pushButton"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Motif || '|' || TypeProthese || '|' || VDate from Visites").toString(),
                 QString("Dent d'en haut|Bridge|2024-03-05T10:30:00"));
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 1);
    }

    void cancelWritesNothingAndMotifCompletes() {
        TempOffice office;
        fill(office);
        office.exec("insert into Motif (Code, motif) values ('1', 'Douleur aiguë')");
        DialogAddUpdateVisite form(doctor, patient, 0);
        form.show();
        auto* motif = child<QLineEdit>(&form, "motifLineEdit");
        motif->setFocus();
        typeText(motif, "dou");
        QVERIFY(motif->completer());
        QTRY_VERIFY(motif->completer()->popup()->isVisible());
        QCOMPARE(motif->completer()->currentCompletion(), QString("Douleur aiguë"));
        QTest::keyClick(motif->completer()->popup(), Qt::Key_Escape);
        QTest::mouseClick(child<QPushButton>(&form, "pushButton_2"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!form.isVisible());
        QCOMPARE(office.value("select count(*) from Visites").toInt(), 0);
    }
};

KELVORA_TEST(TestVisitForm)
#include "test_visitform.moc"
