// The patient page: which patient is current after the record, creation and search dialogs, and the keys
// of its buttons.

#include "mainwindowfixture.h"

#include <QCommandLinkButton>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

using namespace mainwindowtest;

class TestPatientPage : public QObject {
    Q_OBJECT

private:
    // Rejects the next dialog and remembers its class.
    struct Refusal {
        QString className;
        std::unique_ptr<testsupport::ModalAnswer> answer;
        Refusal()
            : answer(std::make_unique<testsupport::ModalAnswer>([this](QWidget* widget) {
                  className = QString::fromLatin1(widget->metaObject()->className());
                  if (auto* dialog = qobject_cast<QDialog*>(widget))
                      dialog->reject();
              })) {}
    };

    static QString recordButton(QWidget* w) { return child<QCommandLinkButton>(w, "commandLinkButton")->text(); }

private slots:
    void ampersandInANameStillAnswersF2() {
        Office office;
        const int fils = office.insert("insert into Patients (Nom, Annee) values ('Benali & Fils', 1970)");
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        auto* record = child<QCommandLinkButton>(w, "commandLinkButton");
        QCOMPARE(record->text(), QString("Benali && Fils")); // shown as "Benali & Fils"
        QCOMPARE(record->shortcut(), QKeySequence(Qt::Key_F2));
        testsupport::grabToFile(w, "mainwindow_ampersand");

        Refusal refusal;
        QTest::keyClick(w, Qt::Key_F2);
        QTRY_VERIFY(refusal.answer->answered()); // a button shortcut clicks a moment later
        QCOMPARE(refusal.className, QString("DialogAddUpdatePatient"));
        // Cancelled: the same patient, his visits untouched.
        QCOMPARE(record->text(), QString("Benali && Fils"));
        QCOMPARE(w->focusWidget(), visitSearchLine(w));
        Q_UNUSED(fils);
    }

    void cancelledCreationMakesTheNewestCurrent() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        // Dupont becomes current through the all-visits list.
        QTest::keyClick(w, Qt::Key_F5);
        QTest::keyClicks(child<QLineEdit>(w, "lineEditParVisite"), "dupont");
        doubleClickRow(child<QTableView>(w, "parVisiteTableView"), 0);
        QCOMPARE(recordButton(w), QString("Dupont Jeanne"));

        Refusal refusal;
        QTest::keyClick(w, Qt::Key_F1);
        QTRY_VERIFY(refusal.answer->answered()); // a button shortcut clicks a moment later
        QCOMPARE(refusal.className, QString("DialogAddUpdatePatient"));
        QCOMPARE(recordButton(w), QString("Martin Karim"));
        QCOMPARE(child<QTableView>(w, "tableViewVisite")->model()->rowCount(), 1);
    }

    void cancelledSearchKeepsThePatient() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        Refusal refusal;
        QTest::keyClick(w, Qt::Key_F3);
        QTRY_VERIFY(refusal.answer->answered()); // a button shortcut clicks a moment later
        QCOMPARE(refusal.className, QString("DialogFindPatient"));
        QCOMPARE(recordButton(w), QString("Martin Karim"));
        QCOMPARE(w->focusWidget(), visitSearchLine(w));
    }

    void appointmentButtonsOpenTheirDialogs() {
        Office office;
        auto window = openMainWindow(office.reception);
        MainWindow* w = window.get();
        {
            Refusal refusal;
            QTest::keyClick(w, Qt::Key_F11);
            QTRY_VERIFY(refusal.answer->answered()); // a button shortcut clicks a moment later
            QCOMPARE(refusal.className, QString("DialogPatientRV"));
            QCOMPARE(child<QTabWidget>(w, "tabWidget_2")->currentIndex(), 0);
        }
        {
            Refusal refusal;
            QTest::mouseClick(child<QPushButton>(w, "listeRendezVousBtn"), Qt::LeftButton);
            QTRY_VERIFY(refusal.answer->answered()); // a button shortcut clicks a moment later
            QCOMPARE(refusal.className, QString("DialogRendezVous"));
        }
    }
};

KELVORA_TEST(TestPatientPage)
#include "test_patientpage.moc"
