#include "testsupport.h"

#include "app/settingskeys.h"
#include "patients/dialogaddupdatepatient.h"
#include "widgets/mycombobox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

using testsupport::child;
using testsupport::TempOffice;

class TestPatientForm : public QObject {
    Q_OBJECT

private:
    static int thisYear() { return QDate::currentDate().year(); }

    static QLineEdit* line(QWidget* form, const char* name) { return child<QLineEdit>(form, name); }
    static QSpinBox* spin(QWidget* form, const char* name) { return child<QSpinBox>(form, name); }
    static QString label(QWidget* form, const char* name) { return child<QLabel>(form, name)->text(); }

    static void typeInto(QWidget* widget, const QString& text) {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(widget, text);
    }

    static QString fileText(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
    }

    static void addUsers(TempOffice& office) {
        QVERIFY(office.exec("insert into user (id, Name, Password, Role) values (1, 'chef', 'a', 1)"));
        QVERIFY(office.exec("insert into user (id, Name, Password, Role) values (2, 'assistant', 'b', 2)"));
        QVERIFY(office.exec("insert into user (id, Name, Password, Role) values (3, 'accueil', 'c', 3)"));
    }

    static int addPatient(TempOffice& office, const QString& values) {
        if (!office.exec("insert into patients (Nom, Age, Annee, Sexe, Tel, Adresse, Antecedent_G, Antecedent_L, "
                         "Autres) values (" +
                         values + ")"))
            return 0;
        return int(office.lastInsertId());
    }

private slots:
    void namesOfTheRegisterAreOfferedOnceTypingStarts() {
        TempOffice office;
        addUsers(office);
        addPatient(office, "'Zerrouki Amina', 8, 2018, 'F', '', '', '', '', ''");
        DialogAddUpdatePatient form(0, 1, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCompleter* names = line(&form, "nomLineEdit")->completer();
        QVERIFY(names);
        QCOMPARE(names->completionCount(), 0); // the register is not read while nobody types a name
        QTest::keyClicks(line(&form, "nomLineEdit"), "Ze");
        QTRY_VERIFY(names->popup()->isVisible());
        QCOMPARE(names->currentCompletion(), QString("Zerrouki Amina"));
    }

    void newPatientTypedWithTheKeyboard() {
        TempOffice office;
        QVERIFY(office.isValid());
        addUsers(office);
        addPatient(office, "'Amrani Said', 40, 1986, 'M', '0550', 'Oran', '', '', ''");
        office.writeResource("adresse.txt", "Oran\n");

        DialogAddUpdatePatient form(0, 1, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.windowTitle(), QString("Nouveau patient "));
        for (const char* name :
             {"labelDay", "labelDayPayement", "labelDayResre", "labelDayP", "labelDayPayementP", "labelDayResreP"})
            QCOMPARE(label(&form, name), QString("0"));
        QLineEdit* nom = line(&form, "nomLineEdit");
        QTRY_VERIFY(nom->hasFocus());
        auto* sexe = form.findChild<MyComboBox*>();
        QVERIFY(sexe);
        QCOMPARE(sexe->count(), 2);
        QCOMPARE(sexe->itemText(0), QString("M"));
        QCOMPARE(sexe->itemText(1), QString("F"));

        // Return leads from field to field; Return in the last one saves.
        QTest::keyClicks(nom, "O'Brien Kathleen");
        QTest::keyClick(nom, Qt::Key_Return);
        QSpinBox* age = spin(&form, "ageSpinBox");
        QTRY_VERIFY(age->hasFocus());
        QTest::keyClick(age, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(age, "30");
        QCOMPARE(spin(&form, "annEDeNaissanceSpinBox")->value(), thisYear() - 30);
        QTest::keyClick(age, Qt::Key_Return);
        QTRY_VERIFY(sexe->hasFocus());
        QTest::keyClick(sexe, Qt::Key_F);
        QCOMPARE(sexe->currentText(), QString("F"));
        QTest::keyClick(sexe, Qt::Key_Return);
        QTRY_VERIFY(line(&form, "telLineEdit")->hasFocus());
        QTest::keyClicks(line(&form, "telLineEdit"), "021 'x'");
        QTest::keyClick(line(&form, "telLineEdit"), Qt::Key_Return);
        QTRY_VERIFY(line(&form, "adresseLineEdit")->hasFocus());
        QTest::keyClicks(line(&form, "adresseLineEdit"), "Rue de l'Est");
        QTest::keyClick(line(&form, "adresseLineEdit"), Qt::Key_Return);
        QTRY_VERIFY(line(&form, "antecDentsGNRauxLineEdit")->hasFocus());
        QTest::keyClicks(line(&form, "antecDentsGNRauxLineEdit"), "Diabete type 2");
        QTest::keyClick(line(&form, "antecDentsGNRauxLineEdit"), Qt::Key_Return);
        QTRY_VERIFY(line(&form, "antecDentsLocauxLineEdit")->hasFocus());
        QTest::keyClicks(line(&form, "antecDentsLocauxLineEdit"), "Carie 36");
        QTest::keyClick(line(&form, "antecDentsLocauxLineEdit"), Qt::Key_Return);
        QTRY_VERIFY(line(&form, "autresLineEdit")->hasFocus());
        QTest::keyClicks(line(&form, "autresLineEdit"), "l'apres-midi");
        testsupport::grabToFile(&form, "patient_form_new");
        QTest::keyClick(line(&form, "autresLineEdit"), Qt::Key_Return);

        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QCOMPARE(office.value("select count(*) from patients").toInt(), 2);
        QCOMPARE(office.value("select Nom from patients where Num = 2").toString(), QString("O'Brien Kathleen"));
        QCOMPARE(office.value("select Age from patients where Num = 2").toInt(), 30);
        QCOMPARE(office.value("select Annee from patients where Num = 2").toInt(), thisYear() - 30);
        QCOMPARE(office.value("select Sexe from patients where Num = 2").toString(), QString("F"));
        QCOMPARE(office.value("select Tel from patients where Num = 2").toString(), QString("021 'x'"));
        QCOMPARE(office.value("select Adresse from patients where Num = 2").toString(), QString("Rue de l'Est"));
        QCOMPARE(office.value("select Antecedent_G from patients where Num = 2").toString(), QString("Diabete type 2"));
        QCOMPARE(office.value("select Antecedent_L from patients where Num = 2").toString(), QString("Carie 36"));
        QCOMPARE(office.value("select Autres from patients where Num = 2").toString(), QString("l'apres-midi"));

        // Both word lists are written again from the register, every row, in order.
        QCOMPARE(fileText("resources/noms.txt"), QString("Amrani Said\nO'Brien Kathleen\n"));
        QCOMPARE(fileText("resources/adresse.txt"), QString("Oran\nRue de l'Est\n"));
    }

    void editShowsTheStoredPatientAndUpdatesIt() {
        TempOffice office;
        addUsers(office);
        const int num =
            addPatient(office, "'Benali Karim', 12, 1990, 'M', '0661', 'Alger', 'Asthme', 'Parodontite', 'rien'");
        DialogAddUpdatePatient form(num, 1, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.windowTitle(), QString("Patient"));
        QCOMPARE(line(&form, "nDossierLineEdit")->text(), QString::number(num));
        QVERIFY(line(&form, "nDossierLineEdit")->isReadOnly());
        QCOMPARE(line(&form, "nomLineEdit")->text(), QString("Benali Karim"));
        // The stored year of birth decides the age shown.
        QCOMPARE(spin(&form, "annEDeNaissanceSpinBox")->value(), 1990);
        QCOMPARE(spin(&form, "ageSpinBox")->value(), thisYear() - 1990);
        QCOMPARE(form.findChild<MyComboBox*>()->currentText(), QString("M"));
        QCOMPARE(line(&form, "antecDentsLocauxLineEdit")->text(), QString("Parodontite"));
        QCOMPARE(line(&form, "autresLineEdit")->text(), QString("rien"));
        testsupport::grabToFile(&form, "patient_form_edit");

        typeInto(line(&form, "nomLineEdit"), "Benali O'Karim");
        typeInto(line(&form, "telLineEdit"), "0770");
        QTest::mouseClick(child<QPushButton>(&form, "validerInfoBtn"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select count(*) from patients").toInt(), 1);
        QCOMPARE(office.value("select Nom from patients").toString(), QString("Benali O'Karim"));
        QCOMPARE(office.value("select Tel from patients").toString(), QString("0770"));
        QCOMPARE(office.value("select Age from patients").toInt(), thisYear() - 1990);
        QCOMPARE(office.value("select Antecedent_G from patients").toString(), QString("Asthme"));
        QCOMPARE(fileText("resources/noms.txt"), QString("Benali O'Karim\n"));
    }

    void ageAndYearOfBirthFollowEachOther() {
        TempOffice office;
        addUsers(office);
        DialogAddUpdatePatient form(0, 1, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QSpinBox* age = spin(&form, "ageSpinBox");
        QSpinBox* year = spin(&form, "annEDeNaissanceSpinBox");
        typeInto(age, "30");
        QCOMPARE(year->value(), thisYear() - 30);
        typeInto(year, "1980");
        QCOMPARE(age->value(), thisYear() - 1980);
        // Leaving the age with Tab reaches the year of birth (Return goes to the sex).
        age->setFocus();
        QTest::keyClick(age, Qt::Key_Tab);
        QTRY_VERIFY(year->hasFocus());

        // A year of birth after this year gives the age 0, and the age then brings the year back to this year.
        typeInto(year, QString::number(thisYear() + 5));
        QCOMPARE(age->value(), 0);
        QCOMPARE(year->value(), thisYear());
    }

    void storedYearZeroGivesTheCurrentYearAsAge() {
        TempOffice office;
        addUsers(office);
        const int num = addPatient(office, "'Haddad', 25, 0, 'm', '', '', '', '', ''");
        DialogAddUpdatePatient form(num, 1, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(spin(&form, "annEDeNaissanceSpinBox")->value(), 0);
        QCOMPARE(spin(&form, "ageSpinBox")->value(), thisYear());
        // A sex stored in lower case matches no item: saving writes an empty sex.
        auto* sexe = form.findChild<MyComboBox*>();
        QCOMPARE(sexe->currentIndex(), -1);
        QTest::mouseClick(child<QPushButton>(&form, "validerInfoBtn"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Sexe from patients").toString(), QString(""));
        QCOMPARE(office.value("select Age from patients").toInt(), thisYear());
    }

    void missingPatientLeavesTheFormEmpty() {
        TempOffice office;
        DialogAddUpdatePatient form(77, 9, QString());
        QCOMPARE(line(&form, "nomLineEdit")->text(), QString());
        QCOMPARE(spin(&form, "ageSpinBox")->value(), 0);
        QCOMPARE(form.findChild<MyComboBox*>()->currentIndex(), -1);
        QCOMPARE(label(&form, "labelDay"), QString("0"));
    }

    void receptionSeesNeitherHistoryNorDebt() {
        TempOffice office;
        addUsers(office);
        const int num = addPatient(office, "'Kaci Lina', 20, 2006, 'F', '0555', 'Blida', 'Allergie', 'Bridge', ''");
        DialogAddUpdatePatient form(num, 3, "reception");
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (const char* name : {"antecDentsGNRauxLabel", "antecDentsGNRauxLineEdit", "antecDentsLocauxLabel",
                                 "antecDentsLocauxLineEdit", "groupBox"})
            QVERIFY2(form.findChild<QWidget*>(name)->isHidden(), name);
        QVERIFY(line(&form, "nomLineEdit")->isVisible());
        QVERIFY(line(&form, "autresLineEdit")->isVisible());
        testsupport::grabToFile(&form, "patient_form_reception");

        // Return leads past the hidden rows to the remarks.
        QLineEdit* adresse = line(&form, "adresseLineEdit");
        adresse->setFocus();
        QTRY_VERIFY(adresse->hasFocus());
        QTest::keyClick(adresse, Qt::Key_Return);
        QTRY_VERIFY(line(&form, "autresLineEdit")->hasFocus());
        QTest::keyClicks(line(&form, "autresLineEdit"), "rappel");
        QTest::keyClick(line(&form, "autresLineEdit"), Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        // The hidden history is written back unchanged.
        QCOMPARE(office.value("select Antecedent_G from patients").toString(), QString("Allergie"));
        QCOMPARE(office.value("select Antecedent_L from patients").toString(), QString("Bridge"));
        QCOMPARE(office.value("select Autres from patients").toString(), QString("rappel"));
    }

    void debtPerDoctorByRole() {
        TempOffice office;
        addUsers(office);
        const int num = addPatient(office, "'Meziane', 50, 1976, 'M', '', '', '', '', ''");
        const int other = addPatient(office, "'Autre', 50, 1976, 'M', '', '', '', '', ''");
        auto visit = [&](int patient, const char* type) {
            office.exec(QString("insert into Visites (PatientNum, Type, VDate) values (%1, '%2', '01-03-2026 10:00')")
                            .arg(patient)
                            .arg(type));
            return int(office.lastInsertId());
        };
        auto act = [&](int visitNum, const char* fee, const char* paid, int doctor) {
            QVERIFY(office.exec(QString("insert into Traitements (visite_id, VDate, Acte, Frais, Payement, Medcin_id) "
                                        "values (%1, '01-03-2026 10:00', 'Soin', %2, %3, %4)")
                                    .arg(visitNum)
                                    .arg(fee, paid)
                                    .arg(doctor)));
        };
        const int soins = visit(num, "SOINS");
        const int soins2 = visit(num, "SOINS");
        const int prothese = visit(num, "PROTHESE");
        act(soins, "1000", "400", 1);
        act(soins2, "200", "0", 1);
        act(soins, "500", "500", 2);
        act(prothese, "3000.5", "1000", 2);
        act(visit(other, "SOINS"), "9999", "0", 1);

        DialogAddUpdatePatient chief(num, 1, QString());
        QCOMPARE(label(&chief, "labelDay"), QString("1700"));
        QCOMPARE(label(&chief, "labelDayPayement"), QString("900"));
        QCOMPARE(label(&chief, "labelDayResre"), QString("800"));
        QVERIFY(!label(&chief, "labelDayP").contains('.'));
        QCOMPARE(label(&chief, "labelDayP").left(3), QString("300"));
        QCOMPARE(label(&chief, "labelDayPayementP"), QString("1000"));
        chief.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chief));
        testsupport::grabToFile(&chief, "patient_form_debt");

        DialogAddUpdatePatient assistant(num, 2, QString());
        QCOMPARE(label(&assistant, "labelDay"), QString("500"));
        QCOMPARE(label(&assistant, "labelDayPayement"), QString("500"));
        QCOMPARE(label(&assistant, "labelDayResre"), QString("0"));
        QCOMPARE(label(&assistant, "labelDayPayementP"), QString("1000"));

        // A user with no row counts as role 0: only his own acts, here none.
        DialogAddUpdatePatient unknown(num, 42, QString());
        QCOMPARE(label(&unknown, "labelDay"), QString("0"));
        QCOMPARE(label(&unknown, "labelDayP"), QString("0"));
    }

    void cancelWritesNothingButTheGeometry() {
        TempOffice office;
        addUsers(office);
        const QString key = QString("DialogAddUpdatePatient") + settingskeys::geometrySuffix;
        QSettings(settingskeys::windowOrganization, settingskeys::windowApplication).remove(key);
        {
            DialogAddUpdatePatient form(0, 1, QString());
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTest::keyClicks(line(&form, "nomLineEdit"), "Annule");
            QTest::keyClick(&form, Qt::Key_Escape);
            QCOMPARE(form.result(), int(QDialog::Rejected));
            QVERIFY(!form.isVisible());
        }
        QVERIFY(!QSettings(settingskeys::windowOrganization, settingskeys::windowApplication).contains(key));
        {
            DialogAddUpdatePatient form(0, 1, QString());
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            form.resize(1100, 640);
            QTest::keyClicks(line(&form, "nomLineEdit"), "Annule");
            QTest::mouseClick(child<QPushButton>(&form, "annulerInfoBtn"), Qt::LeftButton);
            QCOMPARE(form.result(), int(QDialog::Rejected));
        }
        QCOMPARE(office.value("select count(*) from patients").toInt(), 0);
        QVERIFY(!QFile::exists("resources/noms.txt"));
        QVERIFY(QSettings(settingskeys::windowOrganization, settingskeys::windowApplication).contains(key));
        DialogAddUpdatePatient again(0, 1, QString());
        QCOMPARE(again.size(), QSize(1100, 640));
    }

    void failedSaveKeepsTheDialogOpen() {
        TempOffice office;
        addUsers(office);
        const int num = addPatient(office, "'Saidi', 33, 1993, 'F', '', '', '', '', ''");
        QVERIFY(office.refuse("update", "Patients", "database or disk is full"));
        QVERIFY(office.refuse("insert", "Patients", "database or disk is full"));
        office.writeResource("noms.txt", "Ancien\n");
        for (int patient : {num, 0}) {
            DialogAddUpdatePatient form(patient, 1, QString());
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            typeInto(line(&form, "nomLineEdit"), "Saidi Nour");
            auto answer = testsupport::answerMessageBox();
            QTest::mouseClick(child<QPushButton>(&form, "validerInfoBtn"), Qt::LeftButton);
            QVERIFY(answer->answered());
            // One plain message, never the engine's own text.
            QVERIFY2(answer->seenText().contains("rien n'a été écrit"), qPrintable(answer->seenText()));
            QVERIFY(form.isVisible());
            QCOMPARE(form.result(), int(QDialog::Rejected));
            QCOMPARE(line(&form, "nomLineEdit")->text(), QString("Saidi Nour"));
            QCOMPARE(office.value("select Nom from patients").toString(), QString("Saidi"));
            QCOMPARE(fileText("resources/noms.txt"), QString("Ancien\n"));
        }
        // Once the database takes writes again, the same form saves.
        QVERIFY(office.allow("update", "Patients"));
        DialogAddUpdatePatient form(num, 1, QString());
        form.show();
        typeInto(line(&form, "nomLineEdit"), "Saidi Nour");
        QTest::mouseClick(child<QPushButton>(&form, "validerInfoBtn"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Nom from patients").toString(), QString("Saidi Nour"));
    }

    void aPatientChangedOnAnotherStationIsNotOverwritten() {
        TempOffice office;
        addUsers(office);
        const int num = addPatient(office, "'Haddad', 40, 1986, 'M', '0550', 'Oran', '', '', ''");
        DialogAddUpdatePatient form(num, 1, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        typeInto(line(&form, "nomLineEdit"), "Haddad Ali");
        // Meanwhile the reception records a new telephone number.
        QVERIFY(office.exec("update patients set Tel = '0661' where num = " + QString::number(num)));

        auto answer = testsupport::answerMessageBox();
        QTest::keyClick(line(&form, "autresLineEdit"), Qt::Key_Return);
        QVERIFY(answer->answered());
        QVERIFY2(answer->seenText().contains("Un autre poste"), qPrintable(answer->seenText()));
        QVERIFY(form.isVisible());
        QCOMPARE(office.value("select Nom || '/' || Tel from patients").toString(), QString("Haddad/0661"));
        QCOMPARE(line(&form, "telLineEdit")->text(), QString("0661"));
        QCOMPARE(line(&form, "nomLineEdit")->text(), QString("Haddad Ali"));

        // Saved again, the typed name goes over the stored row and the new number stays.
        QTest::keyClick(line(&form, "autresLineEdit"), Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Nom || '/' || Tel from patients").toString(), QString("Haddad Ali/0661"));
    }

    void unwritableNamesListStopsTheRewrite() {
        TempOffice office;
        addUsers(office);
        office.writeResource("adresse.txt", "Tlemcen\n");
        QVERIFY(QDir("resources").mkdir("noms.txt")); // a folder cannot be opened for writing
        DialogAddUpdatePatient form(0, 1, QString());
        form.show();
        typeInto(line(&form, "nomLineEdit"), "Zerrouki");
        typeInto(line(&form, "adresseLineEdit"), "Annaba");
        QTest::mouseClick(child<QPushButton>(&form, "validerInfoBtn"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Adresse from patients").toString(), QString("Annaba"));
        QCOMPARE(fileText("resources/adresse.txt"), QString("Tlemcen\n"));
    }
};

KELVORA_TEST(TestPatientForm)
#include "test_patientform.moc"
