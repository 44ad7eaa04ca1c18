#include "testsupport.h"

#include "patients/dialogaddupdatepatient.h"
#include "patients/dialogfindpatient.h"

#include "data/listmodel.h"
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableView>
#include <QTest>
#include <QTranslator>

using testsupport::TempOffice;

class TestFindPatient : public QObject {
    Q_OBJECT

private:
    static QLineEdit* search(QWidget* dialog) { return dialog->findChild<QLineEdit*>("patientlineEdit"); }
    static QTableView* table(QWidget* dialog) { return dialog->findChild<QTableView*>("tableViewPatient"); }
    static QPushButton* button(QWidget* dialog, const char* name) { return dialog->findChild<QPushButton*>(name); }

    // The names the table shows, top to bottom.
    static QStringList shownNames(QWidget* dialog) {
        QAbstractItemModel* model = table(dialog)->model();
        const int nom = qobject_cast<ListModel*>(model)->fieldIndex("Nom");
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, nom).data().toString();
        return names;
    }

    static void typeSearch(QWidget* dialog, const QString& text) {
        QLineEdit* line = search(dialog);
        line->setFocus();
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, text);
    }

    static void addPatient(TempOffice& office, const QString& columns, const QString& values) {
        QVERIFY(office.exec("insert into patients (" + columns + ") values (" + values + ")"));
    }

    static void fillRegister(TempOffice& office) {
        QVERIFY(office.exec("insert into user (id, Name, Password, Role) values (1, 'chef', 'a', 1)"));
        QVERIFY(office.exec("insert into user (id, Name, Password, Role) values (3, 'accueil', 'c', 3)"));
        const QString columns = "Nom, Age, Annee, Sexe, Tel, Adresse, Antecedent_G, Antecedent_L, Autres";
        addPatient(office, columns, "'Benali Ali', 40, 1986, 'M', '0550 12', 'Oran', 'Asthme', '', ''");
        addPatient(office, columns, "'Karim Ali', 30, 1996, 'M', '0661 Ben', 'Alger', '', '', ''");
        addPatient(office, columns, "'O''Brien Kathleen', 52, 1974, 'F', '', 'Dublin', '', 'Bridge', 'rappel'");
        addPatient(office, columns, "'Zerrouki Amina', 8, 2018, 'F', '0770', 'Blida Ali Ben', '', '', ''");
        // Nothing in any searched column: listed only while no search was typed.
        addPatient(office, "Age", "5");
    }

private slots:
    void wordsMustMeetInOneColumn() {
        TempOffice office;
        fillRegister(office);
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.focusWidget(), search(&dialog));
        QCOMPARE(shownNames(&dialog).size(), 5);
        QCOMPARE(shownNames(&dialog).first(), QString()); // sorted on the name

        typeSearch(&dialog, "ali ben");
        // Karim Ali has "Ali" in the name and "Ben" in the telephone only: no match.
        QCOMPARE(shownNames(&dialog), QStringList({"Benali Ali", "Zerrouki Amina"}));
        typeSearch(&dialog, "ali  ben");
        QCOMPARE(shownNames(&dialog), QStringList({"Benali Ali", "Zerrouki Amina"}));
        typeSearch(&dialog, "ben");
        QCOMPARE(shownNames(&dialog), QStringList({"Benali Ali", "Karim Ali", "Zerrouki Amina"}));
        typeSearch(&dialog, "ali ");
        QCOMPARE(shownNames(&dialog), QStringList({"Benali Ali", "Karim Ali", "Zerrouki Amina"}));
        typeSearch(&dialog, "1996");
        QCOMPARE(shownNames(&dialog), QStringList({"Karim Ali"}));
        typeSearch(&dialog, "bridge rappel");
        QCOMPARE(shownNames(&dialog), QStringList());
        typeSearch(&dialog, "ASTHME");
        QCOMPARE(shownNames(&dialog), QStringList({"Benali Ali"}));
        testsupport::grabToFile(&dialog, "find_patient_search");

        // An empty search shows every patient with at least one searched column filled.
        typeSearch(&dialog, "x");
        QTest::keyClick(search(&dialog), Qt::Key_Backspace);
        QCOMPARE(search(&dialog)->text(), QString());
        QCOMPARE(shownNames(&dialog).size(), 4);
        QVERIFY(!shownNames(&dialog).contains(QString()));
    }

    void quotesAreSearchedSafely() {
        TempOffice office;
        fillRegister(office);
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        typeSearch(&dialog, "o'br");
        QCOMPARE(shownNames(&dialog), QStringList({"O'Brien Kathleen"}));
        typeSearch(&dialog, "'");
        QCOMPARE(shownNames(&dialog), QStringList({"O'Brien Kathleen"}));
        typeSearch(&dialog, "x' or '1'='1");
        QCOMPARE(shownNames(&dialog), QStringList());
        QCOMPARE(office.value("select count(*) from patients").toInt(), 5);
    }

    // Pasted text may carry a NUL, or a whole page of words: the search and the form's save still work.
    void pastedTextIsSearchedAndSaved() {
        TempOffice office;
        fillRegister(office);
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* line = search(&dialog);
        line->setFocus();
        QApplication::clipboard()->setText(QString("ka") + QChar(0) + QString("rim"));
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(shownNames(&dialog), QStringList({"Karim Ali"}));

        // The first words decide; the rest of a long paste is not searched.
        QStringList page{"benali", "ali"};
        for (int i = 0; i < 1200; ++i)
            page << QString("mot%1").arg(i);
        QApplication::clipboard()->setText(page.join(' '));
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!qobject_cast<ListModel*>(table(&dialog)->model())->lastError().isValid());
        QCOMPARE(shownNames(&dialog), QStringList());
        page.resize(2);
        QApplication::clipboard()->setText(page.join(' ') + QString(' ').repeated(20) + "zzz");
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(shownNames(&dialog), QStringList({"Benali Ali"}));

        testsupport::ModalAnswer create([&](QWidget* widget) {
            auto* nom = widget->findChild<QLineEdit*>("nomLineEdit");
            nom->setFocus();
            QApplication::clipboard()->setText(QString("Nul") + QChar(0) + QString("le Part"));
            QTest::keyClick(nom, Qt::Key_V, Qt::ControlModifier);
            QTest::mouseClick(widget->findChild<QPushButton*>("validerInfoBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(button(&dialog, "newPatientBtn"), Qt::LeftButton);
        QVERIFY(create.answered());
        QCOMPARE(office.value("select count(*) from patients where Nom = 'Nulle Part'").toInt(), 1);
    }

    void enterPicksTheFirstMatch() {
        TempOffice office;
        fillRegister(office);
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.selectedPatientNum(), 0);
        QCOMPARE(button(&dialog, "newPatientBtn")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(button(&dialog, "setPatientBtn")->shortcut(), QKeySequence(Qt::Key_F10));
        QCOMPARE(button(&dialog, "delPatientBtn")->shortcut(), QKeySequence(Qt::Key_Delete));
        typeSearch(&dialog, "zerr");
        QTest::keyClick(search(&dialog), Qt::Key_Return);
        QTRY_VERIFY(table(&dialog)->hasFocus());
        QCOMPARE(table(&dialog)->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(dialog.selectedPatientNum(), 4);
        QTest::keyClick(table(&dialog), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedPatientNum(), 4);
    }

    void doubleClickPicksAndCloseRejects() {
        TempOffice office;
        fillRegister(office);
        {
            DialogFindPatient dialog(1);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            typeSearch(&dialog, "karim");
            QTableView* view = table(&dialog);
            const QRect cell = view->visualRect(view->model()->index(0, 1));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.selectedPatientNum(), 2);
        }
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(button(&dialog, "pushButtonClose"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void columnsKeepTheirWidthsWhileTyping() {
        TempOffice office;
        fillRegister(office);
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTableView* view = table(&dialog);
        const int nom = qobject_cast<ListModel*>(view->model())->fieldIndex("Nom");
        // Fitted to the longest name of the register, not to the empty title.
        const int fitted = view->columnWidth(nom);
        QVERIFY(fitted >= view->fontMetrics().horizontalAdvance("O'Brien Kathleen"));
        for (const char* typed : {"1996", "xyz", "ali"}) {
            typeSearch(&dialog, typed);
            QCOMPARE(view->columnWidth(nom), fitted);
        }
    }

    void receptionDoesNotSeeHistoryColumns() {
        TempOffice office;
        fillRegister(office);
        DialogFindPatient dialog(3);
        auto* model = qobject_cast<ListModel*>(table(&dialog)->model());
        QVERIFY(table(&dialog)->isColumnHidden(model->fieldIndex("Antecedent_G")));
        QVERIFY(table(&dialog)->isColumnHidden(model->fieldIndex("Antecedent_L")));
        QVERIFY(!table(&dialog)->isColumnHidden(1)); // the name stays in view
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Nom"));

        DialogFindPatient doctor(1);
        for (int column = 0; column < model->columnCount(); ++column)
            QVERIFY(!table(&doctor)->isColumnHidden(column));
        doctor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&doctor));
        testsupport::grabToFile(&doctor, "find_patient");

        // Nor does it find patients by their history.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (const char* history : {"asthme", "bridge", "asth%e"}) {
            typeSearch(&dialog, history);
            QVERIFY2(shownNames(&dialog).isEmpty(), history);
        }
        typeSearch(&dialog, "rappel");
        QCOMPARE(shownNames(&dialog), QStringList({"O'Brien Kathleen"}));

        // The reception's patient form hides the history as well.
        typeSearch(&dialog, "benali");
        QTest::keyClick(search(&dialog), Qt::Key_Return);
        bool historyHidden = false;
        testsupport::ModalAnswer form([&](QWidget* widget) {
            if (auto* patient = qobject_cast<DialogAddUpdatePatient*>(widget)) {
                historyHidden = patient->findChild<QWidget*>("groupBox")->isHidden() &&
                                patient->findChild<QWidget*>("antecDentsGNRauxLineEdit")->isHidden();
                patient->reject();
            }
        });
        QTest::mouseClick(button(&dialog, "setPatientBtn"), Qt::LeftButton);
        QVERIFY(form.answered());
        QVERIFY(historyHidden);
    }

    void createAndEditThroughThePatientForm() {
        TempOffice office;
        fillRegister(office);
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        typeSearch(&dialog, "amina");

        QString title;
        testsupport::ModalAnswer create([&](QWidget* widget) {
            title = widget->windowTitle();
            auto* nom = widget->findChild<QLineEdit*>("nomLineEdit");
            QTest::keyClicks(nom, "Nouvelle Patiente");
            QTest::mouseClick(widget->findChild<QPushButton*>("validerInfoBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(button(&dialog, "newPatientBtn"), Qt::LeftButton);
        QVERIFY(create.answered());
        QCOMPARE(title, QString("Nouveau patient "));
        QCOMPARE(search(&dialog)->text(), QString());
        QCOMPARE(dialog.focusWidget(), search(&dialog));
        QVERIFY(shownNames(&dialog).contains("Nouvelle Patiente"));
        QCOMPARE(office.value("select count(*) from patients").toInt(), 6);

        // Edit the current row.
        typeSearch(&dialog, "kathleen");
        QTest::keyClick(search(&dialog), Qt::Key_Return);
        QString shownName;
        testsupport::ModalAnswer edit([&](QWidget* widget) {
            auto* nom = widget->findChild<QLineEdit*>("nomLineEdit");
            shownName = nom->text();
            nom->setFocus();
            QTest::keyClick(nom, Qt::Key_End);
            QTest::keyClicks(nom, " Mary");
            QTest::mouseClick(widget->findChild<QPushButton*>("validerInfoBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(button(&dialog, "setPatientBtn"), Qt::LeftButton);
        QVERIFY(edit.answered());
        QCOMPARE(shownName, QString("O'Brien Kathleen"));
        QCOMPARE(office.value("select Nom from patients where Num = 3").toString(), QString("O'Brien Kathleen Mary"));
        QVERIFY(shownNames(&dialog).contains("O'Brien Kathleen Mary"));

        // A form cancelled still refreshes and clears the search.
        typeSearch(&dialog, "zzz");
        auto cancel = testsupport::rejectNextDialog();
        QTest::mouseClick(button(&dialog, "newPatientBtn"), Qt::LeftButton);
        QVERIFY(cancel->answered());
        QCOMPARE(search(&dialog)->text(), QString());
        QCOMPARE(office.value("select count(*) from patients").toInt(), 6);

        // Without a current row, Modifier does nothing.
        DialogFindPatient fresh(1);
        fresh.show();
        QVERIFY(QTest::qWaitForWindowActive(&fresh));
        QMetaObject::invokeMethod(button(&fresh, "setPatientBtn"), "click");
        QCOMPARE(QApplication::activeModalWidget(), &fresh);
    }

    void deleteAsksFirst() {
        TempOffice office;
        fillRegister(office);
        QVERIFY(office.exec("insert into Visites (PatientNum, Type, VDate) values (3, 'SOINS', '01-03-2026 10:00')"));
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        typeSearch(&dialog, "brien");
        QTest::keyClick(search(&dialog), Qt::Key_Return);

        auto no = testsupport::answerMessageBox("&Non");
        QTest::mouseClick(button(&dialog, "delPatientBtn"), Qt::LeftButton);
        QVERIFY(no->answered());
        QCOMPARE(no->seenText(), QString("<font size = 5 color =\"red\">\n\n\t\t                 Etes-vous sûr de "
                                         "vouloir supprimer <br>Le nom : O'Brien Kathleen </font> "));
        QCOMPARE(office.value("select count(*) from patients where Num = 3").toInt(), 1);
        QCOMPARE(search(&dialog)->text(), QString()); // cleared all the same

        typeSearch(&dialog, "brien");
        QTest::keyClick(search(&dialog), Qt::Key_Return);
        auto yes = testsupport::answerMessageBox("&Oui");
        QTest::mouseClick(button(&dialog, "delPatientBtn"), Qt::LeftButton);
        QVERIFY(yes->answered());
        QCOMPARE(office.value("select count(*) from patients where Num = 3").toInt(), 0);
        QVERIFY(!shownNames(&dialog).contains("O'Brien Kathleen"));
        // The visits stay.
        QCOMPARE(office.value("select count(*) from Visites where PatientNum = 3").toInt(), 1);
    }

    void failedDeleteShowsTheDatabaseError() {
        TempOffice office;
        fillRegister(office);
        QVERIFY(office.refuse("delete", "Patients", "attempt to write a readonly database"));
        DialogFindPatient dialog(1);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        typeSearch(&dialog, "karim");
        QTest::keyClick(search(&dialog), Qt::Key_Return);
        QString errorText;
        QString errorTitle;
        bool errorHasParent = true;
        std::unique_ptr<testsupport::ModalAnswer> error;
        // Answering the question ends its loop; the error box comes after it.
        testsupport::ModalAnswer confirm([&](QWidget* widget) {
            auto* question = qobject_cast<QMessageBox*>(widget);
            error = std::make_unique<testsupport::ModalAnswer>([&](QWidget* box) {
                errorText = qobject_cast<QMessageBox*>(box)->text();
                errorTitle = box->windowTitle();
                errorHasParent = box->parentWidget() != nullptr;
                qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
            });
            for (QAbstractButton* b : question->buttons())
                if (b->text() == "&Oui")
                    b->click();
        });
        QTest::mouseClick(button(&dialog, "delPatientBtn"), Qt::LeftButton);
        QVERIFY(confirm.answered());
        QVERIFY(error && error->answered());
        // One plain message, never the engine's own text.
        QVERIFY2(errorText.contains("La suppression a échoué"), qPrintable(errorText));
        QCOMPARE(errorTitle, QString("Avertissement "));
        QVERIFY(errorHasParent);
        QCOMPARE(office.value("select count(*) from patients").toInt(), 5);
        QCOMPARE(search(&dialog)->text(), QString());
    }

    void englishTexts() {
        TempOffice office;
        fillRegister(office);
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QCoreApplication::installTranslator(&english);
        {
            DialogFindPatient dialog(1);
            QCOMPARE(dialog.windowTitle(), QString("Search"));
            QCOMPARE(button(&dialog, "newPatientBtn")->text(), QString("&New"));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            testsupport::grabToFile(&dialog, "find_patient_english");
            DialogAddUpdatePatient form(0, 1, QString(), &dialog);
            QCOMPARE(form.windowTitle(), QString("New patient "));
            QCOMPARE(form.findChild<QLabel*>("antecDentsLocauxLabel")->text(), QString("Dental history"));
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            testsupport::grabToFile(&form, "patient_form_english");
            form.reject();
        }
        QCoreApplication::removeTranslator(&english);
    }
};

KELVORA_TEST(TestFindPatient)
#include "test_findpatient.moc"
