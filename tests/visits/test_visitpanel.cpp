#include "officefixture.h"

#include "printing/imageviewer.h"
#include "visits/dialogaddupdatevisite.h"
#include "visits/dialogtraitement.h"
#include "visits/dialogvisite.h"
#include "widgets/myspinbox.h"

#include "data/listmodel.h"
#include <QBuffer>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

using namespace officefixture;
using testsupport::TempOffice;

class TestVisitPanel : public QObject {
    Q_OBJECT

private:
    static QTableView* table(DialogVisite& panel) { return child<QTableView>(&panel, "tableViewTraitement"); }

    static int rows(DialogVisite& panel) { return table(panel)->model()->rowCount(); }

    // The acts shown, in table order, by their Acte column.
    static QStringList actes(DialogVisite& panel) {
        auto* model = qobject_cast<ListModel*>(table(panel)->model());
        QStringList list;
        for (int row = 0; row < model->rowCount(); ++row)
            list << model->index(row, model->fieldIndex("Acte")).data().toString();
        return list;
    }

    static void clickRow(DialogVisite& panel, int row) {
        QTableView* view = table(panel);
        const int column = qobject_cast<ListModel*>(view->model())->fieldIndex("Acte");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, column)).center());
    }

private slots:
    void listsFiltersAndShowsTheVisit() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 11:00");
        addAct(office, visit, "Détartrage", 2000, 2000, "05-03-2024 10:30", assistant);
        addAct(office, visit, "Soin d'urgence", 1000, 0, "06-03-2024 09:00");
        const int other = addVisit(office, "SOINS", "07-03-2024 10:30");
        addAct(office, other, "Consultation", 1000, 0, "07-03-2024 10:30");

        DialogVisite panel(doctor, patient, visit);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.windowTitle(), QString("SOINS"));
        QCOMPARE(child<QLabel>(&panel, "motifLabel")->text(), QString("Douleur"));
        QCOMPARE(child<QLabel>(&panel, "diagnostiqueLabel")->text(), QString("Carie"));
        QCOMPARE(child<QLabel>(&panel, "dateLabel")->text(), QString("mardi 05-03-2024  10:30"));
        QVERIFY(child<QLabel>(&panel, "labelSoins")->isVisible());
        QVERIFY(!child<QLabel>(&panel, "labelProthese")->isVisible());
        QVERIFY(!child<QWidget>(&panel, "tabWidget")->isVisible());
        QVERIFY(!child<QPushButton>(&panel, "btnCloseTraitement")->isVisible());
        // Sorted by date, this visit's acts only, the technical columns hidden.
        QCOMPARE(actes(panel), QStringList({"Détartrage", "Extraction", "Soin d'urgence"}));
        auto* model = qobject_cast<ListModel*>(table(panel)->model());
        for (const char* hidden : {"visite_id", "id", "medcin_id", "Radio"})
            QVERIFY(table(panel)->isColumnHidden(model->fieldIndex(hidden)));
        QVERIFY(!table(panel)->isColumnHidden(model->fieldIndex("Acte")));
        QCOMPARE(model->index(0, model->fieldIndex("VDate")).data(Qt::DisplayRole).toDateTime(),
                 QDateTime(QDate(2024, 3, 5), QTime(10, 30)));
        testsupport::grabToFile(&panel, "visitpanel");

        auto* filter = child<QLineEdit>(&panel, "lineEditFiltreVisite");
        QVERIFY(filter->hasFocus());
        // The columns keep the widths of the whole visit while a search narrows it.
        const int act = model->fieldIndex("Acte"), date = model->fieldIndex("VDate");
        const int actWidth = table(panel)->columnWidth(act), dateWidth = table(panel)->columnWidth(date);
        typeText(filter, "EXTR");
        QCOMPARE(actes(panel), QStringList({"Extraction"}));
        QCOMPARE(table(panel)->columnWidth(act), actWidth);
        QCOMPARE(table(panel)->columnWidth(date), dateWidth);
        typeOver(filter, "assis"); // the treating doctor
        QCOMPARE(actes(panel), QStringList({"Détartrage"}));
        typeOver(filter, "06-03"); // the date as typed
        QCOMPARE(actes(panel), QStringList({"Soin d'urgence"}));
        typeOver(filter, "d'u"); // a quote filters without an SQL error
        QCOMPARE(actes(panel), QStringList({"Soin d'urgence"}));
        QVERIFY(!model->lastError().isValid());
        typeOver(filter, "Consultation"); // another visit's act never shows
        QCOMPARE(rows(panel), 0);
        filter->clear();
        QCOMPARE(rows(panel), 3);
        typeText(filter, "tart");
        QTest::keyClick(filter, Qt::Key_Return);
        QVERIFY(table(panel)->hasFocus());
        QCOMPARE(table(panel)->currentIndex().row(), 0);

        // Escape neither closes nor rejects.
        QTest::keyClick(&panel, Qt::Key_Escape);
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.result(), 0);
    }

    void deleteAsksAndNeverRemovesTheLastAct() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 10:30");
        addAct(office, visit, "Détartrage", 2000, 0, "05-03-2024 11:00");
        DialogVisite panel(doctor, patient, visit);
        panel.show();
        QSignalSpy refreshed(&panel, &DialogVisite::refreshVisit);
        auto* supprimer = child<QPushButton>(&panel, "btnSuppTraitement");

        clickRow(panel, 1);
        auto no = testsupport::answerMessageBox("&Non");
        QTest::mouseClick(supprimer, Qt::LeftButton);
        QVERIFY(no->answered());
        QVERIFY(no->seenText().contains("Etes-vous sûr de vouloir supprimer "));
        QVERIFY(no->seenText().contains("<br>Acte N° 2"));
        QVERIFY(no->seenText().contains("mardi 05-03-2024"));
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 2);
        QCOMPARE(refreshed.count(), 0);

        clickRow(panel, 1);
        auto yes = testsupport::answerMessageBox("&Oui");
        QTest::mouseClick(supprimer, Qt::LeftButton);
        QVERIFY(yes->answered());
        QCOMPARE(office.value("select group_concat(Acte) from Traitements").toString(), QString("Extraction"));
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(actes(panel), QStringList({"Extraction"}));

        // The one act left stays, confirmed or not, and nothing is announced.
        clickRow(panel, 0);
        auto again = testsupport::answerMessageBox("&Oui");
        QTest::mouseClick(supprimer, Qt::LeftButton);
        QVERIFY(again->answered());
        QCOMPARE(office.value("select count(*) from Traitements").toInt(), 1);
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(rows(panel), 1);
    }

    void changingFromTheTableAnnouncesTheChange() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        addAct(office, visit, "Extraction", 3000, 1000, "05-03-2024 10:30");
        DialogVisite panel(doctor, patient, visit);
        panel.show();
        QSignalSpy refreshed(&panel, &DialogVisite::refreshVisit);

        QString title;
        testsupport::ModalAnswer treatment([&](QWidget* widget) {
            auto* dialog = qobject_cast<DialogTraitement*>(widget);
            if (!dialog)
                return;
            title = dialog->windowTitle();
            auto* payement = dialog->findChild<MySpinBox*>("payementSpin");
            typeOver(payement, "3000");
            QTest::keyClick(payement, Qt::Key_Return);
        });
        // Return on a row activates it.
        clickRow(panel, 0);
        QTest::keyClick(table(panel), Qt::Key_Return);
        QVERIFY(treatment.answered());
        QCOMPARE(title, QString("Visite N %1 /  Traitement N 1").arg(visit));
        QCOMPARE(office.value("select Payement from Traitements").toInt(), 3000);
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(table(panel)->currentIndex().row(), 0);

        // "Modifier" changes the act too, without the announcement.
        testsupport::ModalAnswer modify([&](QWidget* widget) {
            auto* dialog = qobject_cast<DialogTraitement*>(widget);
            if (!dialog)
                return;
            auto* payement = dialog->findChild<MySpinBox*>("payementSpin");
            typeOver(payement, "2000");
            QTest::keyClick(payement, Qt::Key_Return);
        });
        QTest::mouseClick(child<QPushButton>(&panel, "btnModifierTraitement"), Qt::LeftButton);
        QVERIFY(modify.answered());
        QCOMPARE(office.value("select Payement from Traitements").toInt(), 2000);
        QCOMPARE(refreshed.count(), 1);
    }

    void radiographThumbnailAndViewer() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "SOINS", "05-03-2024 10:30");
        addAct(office, visit, "Consultation", 1000, 1000, "05-03-2024 10:30");
        const int withRadio = addAct(office, visit, "Radio", 500, 0, "06-03-2024 09:15");
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkMagenta);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        QSqlQuery store;
        store.prepare("update Traitements set Radio = ?, format = 'png' where id = ?");
        store.addBindValue(bytes);
        store.addBindValue(withRadio);
        QVERIFY(store.exec());

        DialogVisite panel(doctor, patient, visit);
        panel.show();
        auto* radio = child<QPushButton>(&panel, "pushBtnRadion");
        auto* group = child<QGroupBox>(&panel, "groupBox");
        clickRow(panel, 0);
        QCOMPARE(group->title(), QString("Radio : 05/03/2024"));
        const qint64 noImage = radio->icon().cacheKey();
        clickRow(panel, 1);
        QCOMPARE(group->title(), QString("Radio : 06/03/2024"));
        QVERIFY(radio->icon().cacheKey() != noImage);
        QVERIFY(!radio->icon().pixmap(QSize(200, 200)).isNull());
        testsupport::grabToFile(&panel, "visitpanel_radio");

        QTest::mouseClick(radio, Qt::LeftButton);
        ImageViewer* viewer = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<ImageViewer*>(top))
                viewer = found;
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(viewer->windowTitle(), QString("Patient: Ali  | Motif:Douleur  |  Radio : 06/03/2024"));
        viewer->close();
    }

    void receptionPanelStaysRestricted() {
        TempOffice office;
        fill(office);
        const int visit = addVisit(office, "PROTHESE", "05-03-2024 10:30");
        addAct(office, visit, "Couronne", 20000, 5000, "05-03-2024 10:30");
        DialogVisite panel(reception, patient, visit);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY(!child<QPushButton>(&panel, "btnNewTraitement")->isEnabled());
        QVERIFY(!child<QPushButton>(&panel, "btnSuppTraitement")->isEnabled());
        QVERIFY(child<QPushButton>(&panel, "btnModifierTraitement")->isEnabled());
        QVERIFY(!child<QGroupBox>(&panel, "groupBox")->isVisible());
        QVERIFY(!child<QLabel>(&panel, "diagnostiqueLabel")->isVisible());
        QVERIFY(!child<QLabel>(&panel, "typeProtheseLabel")->isVisible());
        QVERIFY(child<QLabel>(&panel, "labelProthese")->isVisible());
        testsupport::grabToFile(&panel, "visitpanel_reception");

        // Another visit loaded into the panel keeps the restriction.
        panel.updateVisite(reception, patient, visit, true);
        QVERIFY(!child<QPushButton>(&panel, "btnNewTraitement")->isEnabled());
        QVERIFY(!child<QPushButton>(&panel, "btnSuppTraitement")->isEnabled());
        QVERIFY(!child<QGroupBox>(&panel, "groupBox")->isVisible());
        // A doctor's panel gets everything back.
        panel.updateVisite(doctor, patient, visit, true);
        QVERIFY(child<QPushButton>(&panel, "btnNewTraitement")->isEnabled());
        QVERIFY(child<QPushButton>(&panel, "btnSuppTraitement")->isEnabled());
        QVERIFY(child<QGroupBox>(&panel, "groupBox")->isVisible());
        QVERIFY(child<QLabel>(&panel, "diagnostiqueLabel")->isVisible());
    }

    void panelIsUpdatedAndCleared() {
        TempOffice office;
        fill(office);
        const int first = addVisit(office, "SOINS", "05-03-2024 10:30");
        addAct(office, first, "Extraction", 3000, 1000, "05-03-2024 10:30");
        const int second = addVisit(office, "PROTHESE", "08-03-2024 15:00");
        addAct(office, second, "Couronne", 20000, 5000, "08-03-2024 15:00");
        addAct(office, second, "Bridge", 30000, 0, "08-03-2024 15:30");

        // As the main window makes it: placeholder numbers, then the user, then empty.
        DialogVisite panel(0, 8, 80);
        panel.userId = doctor;
        panel.clearVisite();
        panel.show();
        QCOMPARE(rows(panel), 0);
        QVERIFY(!child<QPushButton>(&panel, "btnNewTraitement")->isEnabled());
        QVERIFY(!child<QPushButton>(&panel, "btnModifierTraitement")->isEnabled());
        QVERIFY(!child<QLabel>(&panel, "labelSoins")->isVisible());
        QVERIFY(!child<QLabel>(&panel, "labelProthese")->isVisible());

        panel.updateVisite(doctor, patient, second, true);
        QCOMPARE(actes(panel), QStringList({"Couronne", "Bridge"}));
        QCOMPARE(child<QLabel>(&panel, "dateLabel")->text(), QString("vendredi 08-03-2024  15:00"));
        QVERIFY(child<QLabel>(&panel, "labelProthese")->isVisible());
        QVERIFY(child<QPushButton>(&panel, "btnNewTraitement")->isEnabled());
        panel.updateVisite(doctor, patient, first, false);
        QCOMPARE(actes(panel), QStringList({"Extraction"}));
        QVERIFY(child<QLabel>(&panel, "labelSoins")->isVisible());
        panel.clearVisite();
        QCOMPARE(rows(panel), 0);
        QCOMPARE(child<QLabel>(&panel, "motifLabel")->text(), QString());
    }

    // The usual road: a new visit, then its paid act from the panel, and the visit's sums.
    void newVisitThenAPaidActThroughThePanel() {
        TempOffice office;
        fill(office);

        DialogAddUpdateVisite form(doctor, patient, 0);
        form.show();
        auto* motif = child<QLineEdit>(&form, "motifLineEdit");
        motif->setFocus();
        typeText(motif, "Douleur");
        QTest::keyClick(motif, Qt::Key_Return);
        QTest::keyClick(child<QLineEdit>(&form, "diagnostiqueLineEdit"), Qt::Key_Return);
        QTest::keyClick(child<QLineEdit>(&form, "lineEdit"), Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        const int visit = office.value("select VisiteNum from Visites").toInt();

        DialogVisite panel(0, 8, 80);
        panel.userId = doctor;
        panel.clearVisite();
        panel.show();
        panel.updateVisite(doctor, patient, visit, false);
        QCOMPARE(rows(panel), 1); // the visit's first act
        QSignalSpy refreshed(&panel, &DialogVisite::refreshVisit);

        testsupport::ModalAnswer treatment([&](QWidget* widget) {
            auto* dialog = qobject_cast<DialogTraitement*>(widget);
            if (!dialog)
                return;
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QApplication::setActiveWindow(dialog);
            auto* acte = dialog->findChild<QLineEdit*>("traitementLineEdit");
            acte->setFocus();
            QTRY_VERIFY(acte->hasFocus());
            typeText(acte, "ext");
            QAbstractItemView* popup = acte->completer()->popup();
            QTRY_VERIFY(popup->isVisible());
            QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
            auto* frais = dialog->findChild<MySpinBox*>("fraisSpin");
            QTest::keyClick(frais, Qt::Key_Return);
            auto* payement = dialog->findChild<MySpinBox*>("payementSpin");
            typeOver(payement, "1200");
            QTest::keyClick(payement, Qt::Key_Return);
        });
        QTest::mouseClick(child<QPushButton>(&panel, "btnNewTraitement"), Qt::LeftButton);
        QVERIFY(treatment.answered());
        QCOMPARE(refreshed.count(), 1);
        QCOMPARE(rows(panel), 2);
        QCOMPARE(office
                     .value("select Acte || '|' || Frais || '|' || Payement || '|' || Medcin_id from Traitements "
                            "where Acte is not null")
                     .toString(),
                 QString("Extraction|3000|1200|1"));
        QCOMPARE(office
                     .value(QString("select SommeDeFrais || '|' || SommeDePayement || '|' || Reste from vVisites "
                                    "where VisiteNum = %1")
                                .arg(visit))
                     .toString(),
                 QString("3000|1200|1800"));
    }
};

KELVORA_TEST(TestVisitPanel)
#include "test_visitpanel.moc"
