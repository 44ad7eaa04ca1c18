#include "testsupport.h"

#include "config/dialog.h"
#include "data/sql.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>

using testsupport::TempOffice;

class TestOptionsDialog : public QObject {
    Q_OBJECT

private:
    static QStringList column(const QString& statement) {
        QStringList values;
        QSqlQuery query;
        if (sql::exec(query, statement))
            while (query.next())
                values << query.value(0).toString();
        return values;
    }

    static QStringList shown(QTableView* view, int col) {
        QStringList values;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            values << view->model()->index(row, col).data().toString();
        return values;
    }

    static void show(Dialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

    // Opens the cell's editor as a user would, with a double click.
    static QLineEdit* openEditor(QTableView* view, int row, int col) {
        const QModelIndex index = view->model()->index(row, col);
        view->scrollTo(index);
        const QPoint centre = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }

    // Types text the way a keyboard does, accented letters included.
    static void type(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    static void retype(QLineEdit* editor, const QString& text) {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        type(editor, text);
    }

    static void clickHeader(QTableView* view, int section) {
        QHeaderView* header = view->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void usersAreManagedByTheFirstRoleOnly() {
        TempOffice office;
        QVERIFY(office.isValid());
        QVERIFY(office.exec("insert into user (Name, Password, Role) values ('Admin', 'Secret', 1)"));
        QVERIFY(office.exec("insert into Motif (Code, motif) values ('1', 'Douleur')"));

        Dialog doctor(2);
        show(doctor);
        auto* tabs = doctor.findChild<QTabWidget*>("tabWidget_2");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(1), QString("&Utilisateurs   "));
        QCOMPARE(tabs->tabPosition(), QTabWidget::West);
        tabs->setCurrentIndex(1);
        QVERIFY(!doctor.findChild<QTableView*>("tableViewUser")->isVisible());
        QVERIFY(!doctor.findChild<QPushButton*>("pushButtonNouveau")->isEnabled());
        QVERIFY(!doctor.findChild<QPushButton*>("pushButtonSupprimer")->isEnabled());
        testsupport::grabToFile(&doctor, "options-role2-users");
        tabs->setCurrentIndex(0);
        QVERIFY(doctor.findChild<QPushButton*>("pushButtonNouveau")->isEnabled());

        Dialog admin(1);
        show(admin);
        admin.findChild<QTabWidget*>("tabWidget_2")->setCurrentIndex(1);
        auto* users = admin.findChild<QTableView*>("tableViewUser");
        QVERIFY(users->isVisible());
        QVERIFY(users->isColumnHidden(0));
        QVERIFY(!users->isColumnHidden(1));
        QVERIFY(!users->isColumnHidden(2)); // passwords are shown and edited too
        QCOMPARE(shown(users, 2), QStringList({"Secret"}));
        testsupport::grabToFile(&admin, "options-role1-users");

        QTest::mouseClick(admin.findChild<QPushButton*>("pushButton"), Qt::LeftButton);
        QCOMPARE(admin.result(), int(QDialog::Accepted));
        QVERIFY(!admin.isVisible());
    }

    void languageChangeRetranslatesTheOpenDialog() {
        TempOffice office;
        Dialog dialog(1);
        show(dialog);
        auto* tabs = dialog.findChild<QTabWidget*>("tabWidget_2");
        QCOMPARE(tabs->tabText(0), QString("&AutoComplétion"));
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QCoreApplication::installTranslator(&english);
        QTRY_COMPARE(tabs->tabText(0), QString("Auto completion"));
        QCOMPARE(dialog.findChild<QPushButton*>("pushButtonNouveau")->text(), QString("&New row"));
        testsupport::grabToFile(&dialog, "options-english");
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(tabs->tabText(0), QString("&AutoComplétion"));
    }

    void enterWritesTheEditAtOnce() {
        TempOffice office;
        QVERIFY(office.exec("insert into acte (Code, Acte, Frais) values ('A1', 'Détartrage', 2000)"));
        Dialog dialog(1);
        show(dialog);
        auto* acts = dialog.findChild<QTableView*>("tableView");

        QLineEdit* editor = openEditor(acts, 0, 3);
        QVERIFY(editor);
        retype(editor, "2500");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(column("select Frais from acte"), QStringList({"2500"}));

        editor = openEditor(acts, 0, 2);
        QVERIFY(editor);
        retype(editor, "Détartrage d'O'Brien");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(column("select Acte from acte"), QStringList({"Détartrage d'O'Brien"}));
        QCOMPARE(shown(acts, 2), QStringList({"Détartrage d'O'Brien"}));
    }

    void movingToAnotherRowWritesTheEdit() {
        TempOffice office;
        QVERIFY(office.exec("insert into Diagnostique (Code, diagnostique) values ('1', 'Carie')"));
        QVERIFY(office.exec("insert into Diagnostique (Code, diagnostique) values ('2', 'Pulpite')"));
        Dialog dialog(1);
        show(dialog);
        dialog.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(2);
        auto* view = dialog.findChild<QTableView*>("tableViewDiagnostique");

        QLineEdit* editor = openEditor(view, 0, 2);
        QVERIFY(editor);
        retype(editor, "Carie profonde");
        QCOMPARE(column("select diagnostique from Diagnostique order by id"), QStringList({"Carie", "Pulpite"}));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 2)).center());
        QTRY_COMPARE(column("select diagnostique from Diagnostique order by id"),
                     QStringList({"Carie profonde", "Pulpite"}));
    }

    void headerClickSortsTheListsButNotTheActs() {
        TempOffice office;
        for (const char* motif : {"Saignement", "Douleur", "Contrôle"})
            QVERIFY(office.exec(QString("insert into Motif (Code, motif) values ('x', '%1')").arg(motif)));
        for (const char* acte : {"Extraction", "Couronne", "Détartrage"})
            QVERIFY(office.exec(QString("insert into acte (Code, Acte) values ('x', '%1')").arg(acte)));
        Dialog dialog(1);
        show(dialog);

        auto* acts = dialog.findChild<QTableView*>("tableView");
        QVERIFY(acts->isColumnHidden(0));
        QVERIFY(acts->isColumnHidden(1));
        QVERIFY(!acts->isSortingEnabled());
        testsupport::grabToFile(&dialog, "options-acts");
        clickHeader(acts, 2);
        QCOMPARE(shown(acts, 2), QStringList({"Extraction", "Couronne", "Détartrage"}));

        dialog.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(1);
        auto* motifs = dialog.findChild<QTableView*>("tableViewMotif");
        QCOMPARE(shown(motifs, 2), QStringList({"Saignement", "Douleur", "Contrôle"})); // key order first
        clickHeader(motifs, 2);
        QCOMPARE(shown(motifs, 2), QStringList({"Contrôle", "Douleur", "Saignement"}));
        clickHeader(motifs, 2);
        QCOMPARE(shown(motifs, 2), QStringList({"Saignement", "Douleur", "Contrôle"}));
        testsupport::grabToFile(&dialog, "options-motifs-sorted");
    }

    void addingARowStartsTypingInItsText() {
        TempOffice office;
        QVERIFY(office.exec("insert into TypeProthese (Code, TypeProthese) values ('1', 'Bridge')"));
        Dialog dialog(1);
        show(dialog);
        dialog.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(3);
        auto* view = dialog.findChild<QTableView*>("tableViewTypeProthese");

        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButtonNouveau"), Qt::LeftButton);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(view->currentIndex().column(), 2);
        testsupport::grabToFile(&dialog, "options-new-row");
        type(editor, "Prothèse amovible");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(column("select TypeProthese from TypeProthese order by id"),
                     QStringList({"Bridge", "Prothèse amovible"}));

        // The new row knows its key: a later edit updates it instead of failing.
        editor = openEditor(view, 1, 2);
        QVERIFY(editor);
        retype(editor, "Prothèse complète");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(column("select TypeProthese from TypeProthese order by id"),
                     QStringList({"Bridge", "Prothèse complète"}));

        // A user of the first role adds a user on the users tab.
        dialog.findChild<QTabWidget*>("tabWidget_2")->setCurrentIndex(1);
        QTest::mouseClick(dialog.findChild<QPushButton*>("pushButtonNouveau"), Qt::LeftButton);
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        type(editor, "Secrétaire");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(column("select Name from user"), QStringList({"Secrétaire"}));
    }

    void anUntouchedNewRowIsDropped() {
        TempOffice office;
        QVERIFY(office.exec("insert into Motif (Code, motif) values ('1', 'Douleur')"));
        QVERIFY(office.exec("insert into Motif (Code, motif) values ('2', 'Contrôle')"));
        Dialog dialog(1);
        show(dialog);
        dialog.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(1);
        auto* view = dialog.findChild<QTableView*>("tableViewMotif");
        auto* add = dialog.findChild<QPushButton*>("pushButtonNouveau");

        // Escape gives the new row up.
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(view->model()->rowCount(), 2);

        // Leaving it empty for another row gives it up too, and the other rows stay editable.
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(view->model()->rowCount(), 3);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 2)).center());
        QTRY_COMPARE(view->model()->rowCount(), 2);
        QCOMPARE(column("select count(*) from Motif"), QStringList({"2"})); // no empty row written
        QLineEdit* editor = openEditor(view, 1, 2);
        QVERIFY(editor);
        retype(editor, "Contrôle annuel");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(column("select motif from Motif order by id"), QStringList({"Douleur", "Contrôle annuel"}));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(view->model()->rowCount(), 3);
    }

    void deletingARowAsksFirst() {
        TempOffice office;
        QVERIFY(office.exec("insert into AntecedentsG (Code, Antecedent) values ('1', 'Diabète')"));
        QVERIFY(office.exec("insert into AntecedentsG (Code, Antecedent) values ('2', 'Hypertension')"));
        Dialog dialog(1);
        show(dialog);
        dialog.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(5);
        auto* view = dialog.findChild<QTableView*>("tableViewAnteG");
        auto* remove = dialog.findChild<QPushButton*>("pushButtonSupprimer");

        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 2)).center());
        {
            auto answer = testsupport::answerMessageBox("No");
            QTest::mouseClick(remove, Qt::LeftButton);
            QVERIFY(answer->answered());
            QVERIFY(answer->seenText().contains("Diabète"));
        }
        QCOMPARE(column("select Antecedent from AntecedentsG order by id"), QStringList({"Diabète", "Hypertension"}));
        QCOMPARE(shown(view, 2), QStringList({"Diabète", "Hypertension"}));

        {
            auto answer = testsupport::answerMessageBox("Yes");
            QTest::mouseClick(remove, Qt::LeftButton);
            QVERIFY(answer->answered());
        }
        QCOMPARE(column("select Antecedent from AntecedentsG order by id"), QStringList({"Hypertension"}));
        QCOMPARE(shown(view, 2), QStringList({"Hypertension"}));
    }
};

KELVORA_TEST(TestOptionsDialog)
#include "test_dialog.moc"
