// The typical road through the real main window: find a patient, open a visit, record a paid act, and see
// the visit's sums.

#include "mainwindowfixture.h"

#include <QAbstractItemView>
#include <QCommandLinkButton>
#include <QCompleter>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

using namespace mainwindowtest;

class TestTypicalRoad : public QObject {
    Q_OBJECT

private:
    static QDialog* dialogOf(QWidget* widget, const char* className) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (!dialog || !widget->inherits(className)) {
            qWarning("Expected %s, got %s", className, widget->metaObject()->className());
            widget->close();
            return nullptr;
        }
        return dialog;
    }

private slots:
    void findVisitActAndSums() {
        Office office;
        office.files.exec("insert into acte (Code, Acte, Frais, FraisProthese) values ('D1', 'Détartrage', 2500, 0)");
        office.files.exec("insert into acte (Code, Acte, Frais, FraisProthese) values ('E1', 'Extraction', 3000, 0)");
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        QCOMPARE(child<QCommandLinkButton>(w, "commandLinkButton")->text(), QString("Martin Karim"));

        // F3: the search, a part of the name, a double click on the row.
        testsupport::ModalAnswer find([](QWidget* widget) {
            QDialog* dialog = dialogOf(widget, "DialogFindPatient");
            if (!dialog)
                return;
            QTest::keyClicks(dialog->findChild<QLineEdit*>("patientlineEdit"), "dupon");
            auto* patients = dialog->findChild<QTableView*>("tableViewPatient");
            if (patients->model()->rowCount() != 1) {
                dialog->reject();
                return;
            }
            doubleClickRow(patients, 0);
        });
        QTest::keyClick(w, Qt::Key_F3);
        QTRY_VERIFY(find.answered());
        QTRY_COMPARE(child<QCommandLinkButton>(w, "commandLinkButton")->text(), QString("Dupont Jeanne"));
        auto* visits = child<QTableView>(w, "tableViewVisite");
        QCOMPARE(visits->model()->rowCount(), 2);

        // "&Nouveau": the visit form, saved as it opens (now, care).
        testsupport::ModalAnswer visitForm([](QWidget* widget) {
            if (QDialog* dialog = dialogOf(widget, "DialogAddUpdateVisite"))
                QTest::mouseClick(dialog->findChild<QPushButton*>("pushButton"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(w, "btnNewVisite"), Qt::LeftButton);
        QVERIFY(visitForm.answered());
        QCOMPARE(visits->model()->rowCount(), 3);
        const int visit = office.files.value("select max(VisiteNum) from Visites").toInt();
        QCOMPARE(office.files.value("select Type from Visites where VisiteNum = " + QString::number(visit)).toString(),
                 QString("SOINS"));
        QCOMPARE(cellText(visits, 0, "VisiteNum"), QString::number(visit));
        QCOMPARE(visits->currentIndex().row(), 0);

        // The panel's new act: an act picked from the completion list brings its fee; the payment is typed.
        QString balanceSeen;
        testsupport::ModalAnswer treatment([&](QWidget* widget) {
            QDialog* dialog = dialogOf(widget, "DialogTraitement");
            if (!dialog)
                return;
            dialog->activateWindow(); // the completion list opens for the line that has the keyboard
            if (!QTest::qWaitForWindowActive(dialog))
                qWarning("The treatment dialog did not become active");
            auto* act = dialog->findChild<QLineEdit*>("traitementLineEdit");
            act->setFocus();
            QTest::keyClicks(act, "d"); // the one act beginning with it
            QAbstractItemView* popup = act->completer()->popup();
            if (!popup->isVisible()) {
                dialog->reject();
                return;
            }
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
            QTest::keyClick(act, Qt::Key_Return);                   // the fee of the act, then the fee field
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return); // on to the payment
            QWidget* payment = dialog->focusWidget();
            QTest::keyClick(payment, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(payment, "1000");
            balanceSeen = dialog->findChild<QLabel*>("resteVisiteLabel")->text();
            QTest::keyClick(payment, Qt::Key_Return); // saves
        });
        QWidget* panel = child<QGroupBox>(w, "groupBoxActes");
        QTest::mouseClick(panel->findChild<QPushButton*>("btnNewTraitement"), Qt::LeftButton);
        QTRY_VERIFY(treatment.answered());
        QVERIFY2(balanceSeen.contains("1500"), qPrintable(balanceSeen));

        const QString acts = "select count(*) from Traitements where visite_id = " + QString::number(visit);
        QCOMPARE(office.files.value(acts).toInt(), 2);
        const QString paid = "select Frais || '/' || Payement || '/' || Medcin_id from Traitements where visite_id = " +
                             QString::number(visit) + " and Acte like 'Détartrage%'";
        QCOMPARE(office.files.value(paid).toString(), QString("2500/1000/%1").arg(office.doctor));

        // The visit list shows the new sums on the row that stays selected.
        QTRY_COMPARE(cellText(visits, 0, "SommeDeFrais"), QString("2500"));
        QCOMPARE(cellText(visits, 0, "SommeDePayement"), QString("1000"));
        QCOMPARE(cellText(visits, 0, "Reste"), QString("1500"));
        QCOMPARE(visits->currentIndex().row(), 0);
        testsupport::grabToFile(w, "mainwindow_typical_road");
    }
};

KELVORA_TEST(TestTypicalRoad)
#include "test_endtoend.moc"
