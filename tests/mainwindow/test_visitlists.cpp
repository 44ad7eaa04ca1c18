// The two visit lists: the current patient's visits with the panel following them, their search and type,
// deletion, and the all-visits list leading to its patient.

#include "mainwindowfixture.h"

#include "data/listmodel.h"
#include <QComboBox>
#include <QCommandLinkButton>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QTabWidget>

using namespace mainwindowtest;

class TestVisitLists : public QObject {
    Q_OBJECT

private:
    // The visits page, through the all-visits list: Dupont becomes current by a double click.
    static void openDupont(MainWindow* w) {
        QTest::keyClick(w, Qt::Key_F5);
        QTest::keyClicks(child<QLineEdit>(w, "lineEditParVisite"), "dupont");
        auto* all = child<QTableView>(w, "parVisiteTableView");
        QCOMPARE(all->model()->rowCount(), 2);
        doubleClickRow(all, 0);
        QCOMPARE(child<QTabWidget>(w, "tabWidget_2")->currentIndex(), 0);
        QCOMPARE(child<QCommandLinkButton>(w, "commandLinkButton")->text(), QString("Dupont Jeanne"));
    }

    static QString panelMotif(MainWindow* w) {
        return child<QGroupBox>(w, "groupBoxActes")->findChild<QLabel*>("motifLabel")->text();
    }

    static QStringList column(QTableView* view, const QString& name) {
        QStringList values;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            values << cellText(view, row, name);
        return values;
    }

private slots:
    void searchNarrowsTheVisitsAndThePanelFollows() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        openDupont(w);
        auto* visits = child<QTableView>(w, "tableViewVisite");
        QCOMPARE(column(visits, "Motif"), QStringList({"Motif préventif", "Douleur dentaire"}));
        QCOMPARE(visits->currentIndex().row(), 0);
        QCOMPARE(panelMotif(w), QString("Motif préventif"));
        QCOMPARE(cellText(visits, 1, "SommeDeFrais"), QString("3500"));
        QCOMPARE(cellText(visits, 1, "SommeDePayement"), QString("1500"));
        QCOMPARE(cellText(visits, 1, "Reste"), QString("2000"));

        QLineEdit* search = visitSearchLine(w);
        QCOMPARE(QApplication::focusWidget(), search);
        QTest::keyClicks(search, "doul");
        QCOMPARE(column(visits, "Motif"), QStringList({"Douleur dentaire"}));
        QCOMPARE(panelMotif(w), QString("Douleur dentaire"));
        QTest::keyClicks(search, "zz");
        QCOMPARE(visits->model()->rowCount(), 0);
        QCOMPARE(panelMotif(w), QString());

        search->clear();
        QTest::keyClicks(search, "gingiv"); // the diagnosis
        QCOMPARE(column(visits, "Motif"), QStringList({"Motif préventif"}));
        search->clear();
        QTest::keyClicks(search, "09-12-2025"); // the date as it is typed
        QCOMPARE(column(visits, "Motif"), QStringList({"Douleur dentaire"}));
        search->clear();
        QTest::keyClicks(search, "l'os");
        QCOMPARE(visits->model()->rowCount(), 0);
        QVERIFY(!qobject_cast<ListModel*>(visits->model())->lastError().isValid());

        // Only this patient's visits, whatever the search.
        search->clear();
        QTest::keyClicks(search, "Anomalie");
        QCOMPARE(visits->model()->rowCount(), 0);

        // Return goes down to the list.
        search->clear();
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), visits);
        QCOMPARE(visits->currentIndex().row(), 0);
        clickRow(visits, 1);
        QCOMPARE(panelMotif(w), QString("Douleur dentaire"));
    }

    void typeSwitchShowsProsthesisVisits() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        openDupont(w);
        auto* visits = child<QTableView>(w, "tableViewVisite");
        auto* type = child<QComboBox>(w, "comboBox");
        QTest::keyClicks(visitSearchLine(w), "doul");
        QTest::keyClick(type, Qt::Key_Down);
        QCOMPARE(type->currentText(), QString("PROTHESE"));
        QCOMPARE(visitSearchLine(w)->text(), QString());
        QCOMPARE(column(visits, "TypeProthese"), QStringList({"Bridge"}));
        QCOMPARE(column(visits, "Type"), QStringList({"PROTHESE"}));
        QCOMPARE(panelMotif(w), QString("Motif prothétique"));
        QCOMPARE(QApplication::focusWidget(), visitSearchLine(w));
        testsupport::grabToFile(w, "mainwindow_prosthesis");

        QTest::keyClick(type, Qt::Key_Up);
        QCOMPARE(type->currentText(), QString("SOINS"));
        QCOMPARE(column(visits, "Type"), QStringList({"SOINS", "SOINS"}));
        QCOMPARE(cellText(visits, 0, "TypeProthese"), QString()); // in the model, but hidden
        for (int c = 0; c < visits->model()->columnCount(); ++c)
            if (visits->model()->headerData(c, Qt::Horizontal, Qt::UserRole).toString() == "TypeProthese")
                QVERIFY(visits->isColumnHidden(c));
    }

    void deletionAsksFirst() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        openDupont(w);
        auto* visits = child<QTableView>(w, "tableViewVisite");
        clickRow(visits, 1);
        const QString visit = QString::number(office.dupontCare1);

        auto no = testsupport::answerMessageBox("&Non");
        QTest::mouseClick(child<QPushButton>(w, "btnSuppVisite"), Qt::LeftButton);
        QVERIFY(no->answered());
        QVERIFY(no->seenText().contains("Etes-vous sûr de vouloir supprimer <br>Visite N° " + visit +
                                        "<br>Date  Tuesday 12 09, 2025  10:30 </font> "));
        QCOMPARE(office.files.value("select count(*) from Visites where VisiteNum = " + visit).toInt(), 1);
        QCOMPARE(visits->model()->rowCount(), 2);
        QCOMPARE(w->focusWidget(), visitSearchLine(w));

        clickRow(visits, 1);
        auto yes = testsupport::answerMessageBox("&Oui");
        QTest::mouseClick(child<QPushButton>(w, "btnSuppVisite"), Qt::LeftButton);
        QVERIFY(yes->answered());
        QCOMPARE(office.files.value("select count(*) from Visites where VisiteNum = " + visit).toInt(), 0);
        QCOMPARE(office.files.value("select count(*) from Traitements where visite_id = " + visit).toInt(), 0);
        QCOMPARE(column(visits, "Motif"), QStringList({"Motif préventif"}));
        // The panel shows a visit that still exists.
        QCOMPARE(panelMotif(w), QString("Motif préventif"));
        auto* all = child<QTableView>(w, "parVisiteTableView");
        QCOMPARE(column(all, "motif"), QStringList({"Motif préventif"}));
    }

    void deletionWithoutRowDoesNothing() {
        testsupport::TempOffice files;
        files.exec("insert into user (Name, Role) values ('Dr', 1)");
        const int doctor = int(files.lastInsertId());
        files.exec("insert into Patients (Nom) values ('Sans Visite')");
        auto window = openMainWindow(doctor);
        auto answer = testsupport::answerMessageBox("&Oui");
        QTest::mouseClick(child<QPushButton>(window.get(), "btnSuppVisite"), Qt::LeftButton);
        QVERIFY(!answer->answered());
    }

    void allVisitsSearchAndTypes() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        QTest::keyClick(w, Qt::Key_F5);
        auto* all = child<QTableView>(w, "parVisiteTableView");
        auto* search = child<QLineEdit>(w, "lineEditParVisite");
        auto* types = child<QComboBox>(w, "comboBoxSoinProthese");
        QCOMPARE(types->currentText(), QString("SOINS"));
        QCOMPARE(column(all, "Nom"), QStringList({"Martin Karim", "Dupont Jeanne", "Dupont Jeanne"}));
        QCOMPARE(column(all, "Reste"), QStringList({"0", "2000", "2000"}));
        testsupport::grabToFile(w, "mainwindow_allvisits");

        // A dash where the date holds a slash: "12-2025 10:30:0" finds 09/12/2025 10:30:00.
        QTest::keyClicks(search, "12-2025 10:30:0");
        QCOMPARE(column(all, "motif"), QStringList({"Douleur dentaire"}));
        search->clear();
        QTest::keyClicks(search, "20-11-2025");
        QCOMPARE(all->model()->rowCount(), 0); // a prosthesis visit, and the list shows care
        QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(types->currentText(), QString("PROTHESE"));
        QCOMPARE(column(all, "typeProthese"), QStringList({"Bridge"}));
        search->clear();
        QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(types->currentText(), QString("TOUS"));
        QCOMPARE(all->model()->rowCount(), 4);
        QTest::keyClicks(search, "O'B");
        QCOMPARE(all->model()->rowCount(), 0);
        QVERIFY(!qobject_cast<ListModel*>(all->model())->lastError().isValid());

        search->clear();
        QTest::keyClicks(search, "bridge");
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), all);
        QCOMPARE(all->currentIndex().row(), 0);
        QTest::keyClick(all, Qt::Key_Return);
        QCOMPARE(child<QTabWidget>(w, "tabWidget_2")->currentIndex(), 0);
        QVERIFY(action(w, "actionVisite")->isChecked());
        QVERIFY(!action(w, "actionVisites")->isChecked());
        QCOMPARE(child<QCommandLinkButton>(w, "commandLinkButton")->text(), QString("Dupont Jeanne"));
        QCOMPARE(QApplication::focusWidget(), visitSearchLine(w));
    }
};

KELVORA_TEST(TestVisitLists)
#include "test_visitlists.moc"
