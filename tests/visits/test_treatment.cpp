#include "officefixture.h"

#include "printing/tdpreviewdialog.h"
#include "visits/dialogtraitement.h"
#include "widgets/myspinbox.h"
#include "widgets/textedit.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>

using namespace officefixture;
using testsupport::TempOffice;

class TestTreatment : public QObject {
    Q_OBJECT

private:
    struct Form {
        explicit Form(DialogTraitement& d)
            : dialog(d), date(child<QDateTimeEdit>(&d, "dateTimeEdit")),
              acte(child<QLineEdit>(&d, "traitementLineEdit")), frais(child<MySpinBox>(&d, "fraisSpin")),
              payement(child<MySpinBox>(&d, "payementSpin")), reste(child<QLabel>(&d, "resteVisiteLabel")),
              doctors(child<QComboBox>(&d, "medcinTraitantComboBox")),
              ordonnance(child<TextEdit>(&d, "ordonnanceTextEdit")), valider(child<QPushButton>(&d, "pushButton")) {}
        DialogTraitement& dialog;
        QDateTimeEdit* date;
        QLineEdit* acte;
        MySpinBox* frais;
        MySpinBox* payement;
        QLabel* reste;
        QComboBox* doctors;
        TextEdit* ordonnance;
        QPushButton* valider;
    };

    // Picks an act from the completion list: the first entry matching the typed start, then Return.
    static void pickActe(QLineEdit* acte, const QString& start) {
        QApplication::setActiveWindow(acte->window());
        acte->setFocus();
        QTRY_VERIFY(acte->hasFocus());
        typeText(acte, start);
        QAbstractItemView* popup = acte->completer()->popup();
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }

    // A key as the user presses it: to the open completion list, else to the field that has the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::activePopupWidget();
        QTest::keyClick(target ? target : QApplication::focusWidget(), key, modifiers);
    }
    static void type(const QString& text) {
        for (const QChar c : text) {
            QWidget* target = QApplication::activePopupWidget();
            QTest::keyClicks(target ? target : QApplication::focusWidget(), QString(c));
        }
    }

private slots:
    // The day's road by keyboard alone: the act typed out in full, Return, gives its fee as the list does.
    void keyboardRoadFillsTheActsFee() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Form f(dialog);
        press(Qt::Key_Return);
        QTRY_VERIFY(f.acte->hasFocus());
        type("Extraction");
        press(Qt::Key_Return);
        press(Qt::Key_Return);
        QTRY_VERIFY(f.payement->hasFocus());
        QCOMPARE(f.frais->value(), 3000.0);
        press(Qt::Key_A, Qt::ControlModifier);
        type("1000");
        QCOMPARE(f.reste->text(), QString("2000"));
        press(Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Acte || '|' || Frais || '|' || Payement from Traitements").toString(),
                 QString("Extraction|3000|1000"));

        // In any letter case; an act already stored keeps its own fee until another act is typed.
        const int act = office.value("select id from Traitements").toInt();
        QVERIFY(office.exec("update Traitements set Frais = 2800 where id = " + QString::number(act)));
        DialogTraitement again(doctor, patient, visit, act);
        again.show();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        Form g(again);
        g.acte->setFocus();
        press(Qt::Key_Return);
        QTRY_VERIFY(g.frais->hasFocus());
        QCOMPARE(g.frais->value(), 2800.0);
        g.acte->setFocus();
        press(Qt::Key_A, Qt::ControlModifier);
        type("consultation");
        press(Qt::Key_Return);
        press(Qt::Key_Return);
        QTRY_VERIFY(!g.acte->hasFocus());
        QCOMPARE(g.frais->value(), 1000.0);
    }

    void newTreatmentWithDefaultFeeAndBalance() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");

        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Form f(dialog);
        QCOMPARE(dialog.windowTitle(), QString("Visite N° %1 /  Nouveau Traitement ").arg(visit));
        QVERIFY(qAbs(f.date->dateTime().secsTo(QDateTime::currentDateTime())) < 120);
        QCOMPARE(f.doctors->currentText(), QString("dr"));
        QVERIFY(f.doctors->isEnabled());
        QCOMPARE(f.doctors->count(), 2); // reception staff is not a doctor
        QCOMPARE(f.reste->text(), QString("..."));
        QVERIFY(f.date->hasFocus());

        QTest::keyClick(f.date, Qt::Key_Return);
        QTRY_VERIFY(f.acte->hasFocus());
        pickActe(f.acte, "dé");
        QCOMPARE(f.acte->text(), QString("Détartrage"));
        QTRY_VERIFY(f.frais->hasFocus());
        QCOMPARE(f.frais->value(), 2000.0);
        QCOMPARE(f.reste->text(), QString("2000"));
        testsupport::grabToFile(&dialog, "treatment_new");

        QTest::keyClick(f.frais, Qt::Key_Return);
        QVERIFY(f.payement->hasFocus());
        typeOver(f.payement, "2500");
        QCOMPARE(f.reste->text(), QString("-500"));
        QTest::mouseClick(child<QPushButton>(&dialog, "zeroCreditVisiteBtn"), Qt::LeftButton);
        QCOMPARE(f.payement->value(), 2000.0);
        QCOMPARE(f.reste->text(), QString("0"));
        typeOver(f.payement, "1000");
        QTest::keyClick(f.payement, Qt::Key_Return); // the last field saves

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office
                     .value("select visite_id || '|' || Acte || '|' || Frais || '|' || Payement || '|' || "
                            "Medcin_id || '|' || format || '|' || ifnull(length(Radio), 0) from Traitements")
                     .toString(),
                 QString("%1|Détartrage|2000|1000|1|PNG|0").arg(visit));
    }

    void returnSelectsTheAmountsSoThatTypingReplacesThem() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Form f(dialog);
        QTest::keyClick(f.date, Qt::Key_Return);
        QTRY_VERIFY(f.acte->hasFocus());
        pickActe(f.acte, "dé"); // Détartrage, 2000 by default
        QTRY_VERIFY(f.frais->hasFocus());
        typeText(f.frais, "500\n");
        QCOMPARE(f.frais->value(), 500.0);
        QVERIFY(f.payement->hasFocus());
        typeText(f.payement, "500\n"); // the last field saves
        QCOMPARE(office.value("select Frais || '|' || Payement from Traitements").toString(), QString("500|500"));
    }

    void highlightedActGivesItsFeeOnlyFromTheList() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        Form f(dialog);
        // Typed without the list: Return brings no fee.
        f.acte->setFocus();
        typeText(f.acte, "Soin spécial");
        QAbstractItemView* popup = f.acte->completer()->popup();
        QVERIFY(!popup->isVisible());
        QTest::keyClick(f.acte, Qt::Key_Return);
        QCOMPARE(f.frais->value(), 0.0);
        QCOMPARE(f.reste->text(), QString("..."));
        // Extraction highlighted in the list: 3000.
        typeOver(f.acte, "ext");
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(f.frais->value(), 3000.0);
        QCOMPARE(f.reste->text(), QString("3000"));
    }

    void feesAreWholeAndApostrophesSurvive() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        Form f(dialog);
        typeOver(f.acte, "Pose d'une couronne");
        // Amounts are whole: the decimal separator is refused as it is typed, and the field says so.
        typeOver(f.frais, QString("1500") + QLocale().decimalPoint());
        QCOMPARE(f.frais->value(), 1500.0);
        QCOMPARE(f.reste->text(), QString("1500"));
        QVERIFY(!f.payement->toolTip().isEmpty());
        QTest::mouseClick(child<QTabWidget>(&dialog, "tabWidget")->tabBar(), Qt::LeftButton, {},
                          child<QTabWidget>(&dialog, "tabWidget")->tabBar()->tabRect(1).center());
        QTRY_VERIFY(f.ordonnance->hasFocus());
        typeText(f.ordonnance, "Doliprane 1g\nNe pas l'oublier");
        QTest::mouseClick(f.valider, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Acte || '|' || Frais || '|' || Ordonnance from Traitements").toString(),
                 QString("Pose d'une couronne|1500|Doliprane 1g\nNe pas l'oublier"));
    }

    void editShowsTheActAndSavesChanges() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        const int act = addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 10:45", assistant);
        // A picture column nobody touches is not written: here an act of an older file, with no picture at all.
        QVERIFY(office.exec("update Traitements set format = 'bmp', Radio = null"));
        DialogTraitement dialog(doctor, patient, visit, act);
        dialog.show();
        Form f(dialog);
        QCOMPARE(dialog.windowTitle(), QString("Visite N %1 /  Traitement N %2").arg(visit).arg(act));
        QCOMPARE(f.date->dateTime(), QDateTime(QDate(2024, 3, 5), QTime(10, 45)));
        QCOMPARE(f.acte->text(), QString("Extraction"));
        QCOMPARE(f.frais->value(), 3000.0);
        QCOMPARE(f.payement->value(), 1000.0);
        QCOMPARE(f.reste->text(), QString("2000"));
        QCOMPARE(f.doctors->currentText(), QString("assistant")); // the act's doctor, not the user

        // The first role may hand the act to another doctor.
        f.doctors->setFocus();
        QTest::keyClick(f.doctors, Qt::Key_Up);
        QCOMPARE(f.doctors->currentText(), QString("dr"));
        typeOver(f.payement, "3000");
        QCOMPARE(f.reste->text(), QString("0"));
        QTest::mouseClick(f.valider, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 1);
        QCOMPARE(office.value("select VDate || '|' || Frais || '|' || Payement || '|' || Medcin_id from Traitements")
                     .toString(),
                 QString("2024-03-05T10:45:00|3000|3000|1"));
        QCOMPARE(office.value("select format || '|' || case when Radio is null then 1 else 0 end from Traitements")
                     .toString(),
                 QString("bmp|1"));
    }

    void receptionMayOnlyRecordThePayment() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        const int act = addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 10:45");
        DialogTraitement dialog(reception, patient, visit, act);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Form f(dialog);
        QVERIFY(!f.doctors->isEnabled());
        QVERIFY(!child<QGroupBox>(&dialog, "groupBox_2")->isVisible());
        QVERIFY(!child<QPushButton>(&dialog, "pushButtonOptions")->isEnabled());
        testsupport::grabToFile(&dialog, "treatment_reception");

        typeText(f.acte, "xyz");
        QCOMPARE(f.acte->text(), QString("Extraction"));
        typeOver(f.frais, "10");
        QCOMPARE(f.frais->value(), 3000.0);
        f.ordonnance->setFocus();
        typeText(f.ordonnance, "abc");
        QCOMPARE(f.ordonnance->toPlainText(), QString());
        typeOver(f.payement, "2500");
        QCOMPARE(f.reste->text(), QString("500"));
        QTest::keyClick(f.payement, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select Acte || '|' || Frais || '|' || Payement || '|' || Medcin_id from Traitements")
                     .toString(),
                 QString("Extraction|3000|2500|1"));
    }

    void secondDoctorKeepsTheTreatingDoctor() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(assistant, patient, visit, 0);
        dialog.show();
        Form f(dialog);
        QVERIFY(!f.doctors->isEnabled());
        QCOMPARE(f.doctors->currentText(), QString("assistant"));
        QTest::keyClick(f.doctors, Qt::Key_Up);
        QCOMPARE(f.doctors->currentText(), QString("assistant"));
        QVERIFY(child<QGroupBox>(&dialog, "groupBox_2")->isVisibleTo(&dialog));
        typeOver(f.acte, "Consultation");
        typeOver(f.frais, "1000");
        QTest::mouseClick(f.valider, Qt::LeftButton);
        QCOMPARE(office.value("select Acte || '|' || Frais || '|' || Medcin_id from Traitements").toString(),
                 QString("Consultation|1000|2"));
    }

    void radiographIsAddedAndCleared() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        // A folder with a dot in its name: the format still comes from the file name.
        QVERIFY(QDir(office.dir()).mkpath("scans.2024"));
        const QString path = office.dir() + "/scans.2024/x.jpg";
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(path, "JPG"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();

        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        Form f(dialog);
        auto* radio = child<QPushButton>(&dialog, "pushButtonRadio");
        const qint64 emptyIcon = radio->icon().cacheKey();
        testsupport::ModalAnswer chooser([&](QWidget* widget) {
            auto* fileDialog = qobject_cast<QFileDialog*>(widget);
            if (!fileDialog)
                return;
            // The chooser opens in the working folder and reads it in the background: wait for its files, then
            // type the name and press Open.
            auto* files = fileDialog->findChild<QFileSystemModel*>();
            QTRY_VERIFY(files && files->index(path).isValid());
            auto* name = fileDialog->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClicks(name, "x.jpg");
            auto* buttons = fileDialog->findChild<QDialogButtonBox*>("buttonBox");
            QPushButton* open = buttons->button(QDialogButtonBox::Open);
            QTRY_VERIFY(open->isEnabled());
            open->click();
        });
        QDir::setCurrent(office.dir() + "/scans.2024");
        QTest::mouseClick(child<QPushButton>(&dialog, "pushBtnAddRadio"), Qt::LeftButton);
        QDir::setCurrent(office.dir());
        QVERIFY(chooser.answered());
        QVERIFY(radio->icon().cacheKey() != emptyIcon);
        typeOver(f.acte, "Radio panoramique");
        QTest::mouseClick(f.valider, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select format from Traitements").toString(), QString("jpg"));
        QCOMPARE(office.value("select Radio from Traitements").toByteArray(), bytes);

        // Opened again, the picture is there; cleared and saved, Radio is empty and the format stays.
        const int act = office.value("select id from Traitements").toInt();
        DialogTraitement again(doctor, patient, visit, act);
        again.show();
        auto* radioAgain = child<QPushButton>(&again, "pushButtonRadio");
        QVERIFY(!radioAgain->icon().pixmap(QSize(200, 200)).isNull());
        testsupport::grabToFile(&again, "treatment_with_radio");
        QTest::mouseClick(child<QPushButton>(&again, "pushButtonSuppRadio"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&again, "pushButton"), Qt::LeftButton);
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(office.value("select ifnull(length(Radio), 0) || '|' || format from Traitements").toString(),
                 QString("0|jpg"));
    }

    // Another station recorded a payment meanwhile: the message names the field as the form does, in English.
    void conflictNamesTheFieldsByTheirLabels() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        const int act = addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 10:45");
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en"));
        QApplication::installTranslator(&english);
        DialogTraitement dialog(doctor, patient, visit, act);
        dialog.show();
        Form f(dialog);
        QVERIFY(office.exec("update Traitements set Payement = 500, VDate = '06-03-2024 09:15'"));
        typeOver(f.payement, "2500");
        f.date->setDateTime(QDateTime(QDate(2024, 3, 7), QTime(8, 0)));
        QString details;
        testsupport::ModalAnswer answer([&](QWidget* widget) {
            if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                details = box->informativeText();
                box->accept();
            }
        });
        QTest::mouseClick(f.valider, Qt::LeftButton);
        QApplication::removeTranslator(&english);
        QVERIFY(answer.answered());
        QVERIFY2(details.contains("\nPayment: 500"), qPrintable(details));
        QVERIFY2(details.contains("\nDate: 06-03-2024 09:15"), qPrintable(details));
        QVERIFY(!details.contains("Payement"));
        QVERIFY(dialog.isVisible());
    }

    void failingSaveKeepsTheDialogOpen() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        QVERIFY(office.refuse("insert", "Traitements", "base verrouillée"));
        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        Form f(dialog);
        typeOver(f.acte, "Extraction");
        typeOver(f.frais, "3000");
        auto answer = testsupport::answerMessageBox();
        QTest::mouseClick(f.valider, Qt::LeftButton);
        QVERIFY(answer->answered());
        QVERIFY2(answer->seenText().contains("rien n'a été écrit"), qPrintable(answer->seenText()));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.acte->text(), QString("Extraction"));
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 0);
    }

    void prescriptionCarriesTheActsDate() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        const int act = addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, act);
        dialog.show();
        Form f(dialog);
        auto* tabs = child<QTabWidget>(&dialog, "tabWidget");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QTRY_VERIFY(f.ordonnance->hasFocus());
        typeText(f.ordonnance, "Amoxicilline 1g\nBain de bouche l'après-midi\nDoliprane");
        testsupport::grabToFile(&dialog, "treatment_prescription");

        const PrescriptionData data = dialog.prescription();
        QCOMPARE(data.patientNum, patient);
        QCOMPARE(data.patientName, QString("Ali"));
        QCOMPARE(data.patientAge, 34);
        QCOMPARE(data.patientSex, QString("M"));
        QCOMPARE(data.patientAddress, QString("Oran"));
        QCOMPARE(data.bodyText, QString("Amoxicilline 1g\nBain de bouche l'après-midi\nDoliprane"));
        QCOMPARE(data.drNom, QString("Dr Benali"));
        QCOMPARE(data.doctorAddress, QString("12 rue des Oliviers"));
        QCOMPARE(data.ordonnancePied, QString("Ne pas dépasser la dose prescrite"));
        QCOMPARE(data.date, QDateTime(QDate(2024, 3, 5), QTime(10, 30)));

        // "Imprimer" opens the preview of the prescription; cancelling it prints nothing.
        bool sawPreview = false;
        QStringList printed;
        testsupport::ModalAnswer preview([&](QWidget* widget) {
            if (auto* page = qobject_cast<TDPreviewDialog*>(widget)) {
                sawPreview = true;
                for (QGraphicsItem* item : page->scene()->items())
                    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                        printed << text->toPlainText();
            }
            if (auto* d = qobject_cast<QDialog*>(widget))
                d->reject();
        });
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_3"), Qt::LeftButton);
        QVERIFY(preview.answered());
        QVERIFY(sawPreview);
        // The page carries the act's date, not the day of printing, and the text as typed.
        QVERIFY2(printed.contains("Le 05-03-2024"), qPrintable(printed.join(" | ")));
        QVERIFY(printed.contains("Nom :\tAli"));
        QVERIFY(printed.contains("Age :\t34  ans "));
        QVERIFY(printed.contains("Amoxicilline 1g\nBain de bouche l'après-midi\nDoliprane"));
        QVERIFY(printed.contains("Dr Benali"));
        QVERIFY(printed.contains("Ne pas dépasser la dose prescrite"));
        QVERIFY(dialog.isVisible());

        // Confirmed, the preview asks for the printer; cancelling that prints nothing either.
        std::unique_ptr<testsupport::ModalAnswer> printDialog;
        QString printTitle;
        testsupport::ModalAnswer confirm([&](QWidget* widget) {
            printDialog = std::make_unique<testsupport::ModalAnswer>([&](QWidget* next) {
                printTitle = next->windowTitle();
                if (auto* d = qobject_cast<QDialog*>(next))
                    d->reject();
            });
            if (auto* d = qobject_cast<QDialog*>(widget))
                d->accept();
        });
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButton_3"), Qt::LeftButton);
        QVERIFY(confirm.answered());
        QVERIFY(printDialog && printDialog->answered());
        QCOMPARE(printTitle, QString("Print Document"));
        QVERIFY(dialog.isVisible());
    }

    void optionsButtonOpensTheOptions() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        DialogTraitement dialog(doctor, patient, visit, 0);
        dialog.show();
        QString opened;
        testsupport::ModalAnswer options([&](QWidget* widget) {
            opened = widget->metaObject()->className();
            widget->close();
        });
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOptions"), Qt::LeftButton);
        QVERIFY(options.answered());
        QCOMPARE(opened, QString("Dialog"));
    }
};

KELVORA_TEST(TestTreatment)
#include "test_treatment.moc"
