// The main window's frame: the layout each role sees, the tool bar and its check marks, the help page,
// the geometry kept between runs, and the current patient at start.

#include "mainwindowfixture.h"

#include "app/settingskeys.h"
#include "data/database.h"
#include "widgets/windowsmodernstyle.h"

#include "data/listmodel.h"
#include <QCalendarWidget>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTranslator>

using namespace mainwindowtest;

// Receives the addresses the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestMainWindowFrame : public QObject {
    Q_OBJECT

private:
    static QStringList shownColumns(QTableView* view) {
        QStringList names;
        for (int column = 0; column < view->model()->columnCount(); ++column)
            if (!view->isColumnHidden(column))
                names << view->model()->headerData(column, Qt::Horizontal, Qt::UserRole).toString();
        return names;
    }

    static QList<bool> checkMarks(QWidget* window) {
        return {action(window, "actionVisite")->isChecked(), action(window, "actionVisites")->isChecked(),
                action(window, "actionTous_les_Rendez_vous")->isChecked()};
    }

private slots:
    void init() { QSettings(settingskeys::windowOrganization, settingskeys::windowApplication).clear(); }

    void doctorsSeeEverything_data() {
        QTest::addColumn<int>("role");
        QTest::newRow("role 1") << 1;
        QTest::newRow("role 2") << 2;
    }

    void doctorsSeeEverything() {
        QFETCH(int, role);
        Office office;
        auto window = openMainWindow(role == 1 ? office.doctor : office.assistant);
        MainWindow* w = window.get();
        QCOMPARE(w->windowTitle(), QString("Kelvora 1.4"));
        QCOMPARE(child<QTabWidget>(w, "tabWidget_2")->count(), 4);
        QVERIFY(!child<QCalendarWidget>(w, "label")->isVisibleTo(w));
        QVERIFY(child<QLabel>(w, "label_2")->isHidden());
        QVERIFY(!child<QGroupBox>(w, "groupBox")->isHidden());
        QVERIFY(child<QFrame>(w, "frameDossier")->isVisibleTo(w));
        for (const char* name : {"actionListe_des_diagnostiques", "actionSauvegarde", "actionClient"})
            QVERIFY2(action(w, name)->isEnabled(), name);
        for (const char* name : {"btnNewVisite", "btnModifierVisite", "btnSuppVisite"})
            QVERIFY2(child<QPushButton>(w, name)->isEnabled(), name);
        QCOMPARE(shownColumns(child<QTableView>(w, "tableViewVisite")),
                 QStringList({"VisiteNum", "VDate", "Type", "Motif", "Diagnostique", "SommeDeFrais", "SommeDePayement",
                              "Reste"}));
        const QString name = role == 1 ? "Dr Amrani" : "Dr Benali";
        auto* bar = child<QToolBar>(w, "toolBar_2");
        QList<QLabel*> labels = bar->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first()->text(), "L'utilisateur: " + name + "   ");
        QCOMPARE(labels.first()->font().pointSize(), 14);
        if (role == 1)
            testsupport::grabToFile(w, "mainwindow_role1");
    }

    void receptionSeesRestrictedVisits() {
        Office office;
        auto window = openMainWindow(office.reception);
        MainWindow* w = window.get();
        QVERIFY(child<QGroupBox>(w, "groupBox")->isHidden());
        QVERIFY(!child<QLabel>(w, "label_2")->isHidden());
        QVERIFY(!child<QCalendarWidget>(w, "label")->isVisibleTo(w));
        QVERIFY(child<QFrame>(w, "frameDossier")->isVisibleTo(w));
        for (const char* name : {"actionListe_des_diagnostiques", "actionSauvegarde", "actionClient"})
            QVERIFY2(!action(w, name)->isEnabled(), name);
        for (const char* name : {"btnNewVisite", "btnModifierVisite", "btnSuppVisite"})
            QVERIFY2(!child<QPushButton>(w, name)->isEnabled(), name);
        QCOMPARE(shownColumns(child<QTableView>(w, "tableViewVisite")),
                 QStringList({"VisiteNum", "VDate", "Type", "Motif"}));
        testsupport::grabToFile(w, "mainwindow_role3");
        child<QTabWidget>(w, "tabWidget_2")->setCurrentIndex(1);
        testsupport::grabToFile(w, "mainwindow_role3_visits");
        // The fee columns stay hidden on the prosthesis list too.
        QTest::keyClick(child<QComboBox>(w, "comboBox"), Qt::Key_Down);
        QCOMPARE(shownColumns(child<QTableView>(w, "tableViewVisite")),
                 QStringList({"VisiteNum", "VDate", "Type", "Motif", "TypeProthese"}));
    }

    // The window as the office sees it, in the program's own style: the tool bar takes its gradient.
    void officeStyleForDoctorsAndReception() {
        Office office;
        const QString previous = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("windowsmodernstyle")));
        auto* style = qobject_cast<WindowsModernStyle*>(QApplication::style());
        QVERIFY(style);
        for (const auto& [user, name] : {std::pair{office.doctor, "mainwindow_style_role1"},
                                         std::pair{office.reception, "mainwindow_style_role3"}}) {
            auto window = openMainWindow(user);
            QToolBar* bar = child<QToolBar>(window.get(), "toolBar");
            const QImage picture = bar->grab().toImage();
            const QColor middle = picture.pixelColor(picture.width() - 4, picture.height() / 2);
            const QColor start = style->color(6), end = style->color(8);
            QVERIFY2(middle.red() >= qMin(start.red(), end.red()) - 2 &&
                         middle.red() <= qMax(start.red(), end.red()) + 2,
                     qPrintable(middle.name()));
            testsupport::grabToFile(window.get(), QLatin1String(name));
        }
        QApplication::setStyle(QStyleFactory::create(previous));
    }

    void frontDeskSeesTheCalendar() {
        Office office;
        auto window = openMainWindow(office.frontDesk);
        MainWindow* w = window.get();
        QVERIFY(child<QCalendarWidget>(w, "label")->isVisibleTo(w));
        QVERIFY(!child<QFrame>(w, "frameDossier")->isVisibleTo(w));
        QVERIFY(child<QGroupBox>(w, "groupBox")->isHidden());
        QVERIFY(!action(w, "actionClient")->isEnabled());
        auto* calendar = child<QCalendarWidget>(w, "label");
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(calendar->horizontalHeaderFormat(), QCalendarWidget::LongDayNames);
        testsupport::grabToFile(w, "mainwindow_role4");
    }

    void unknownUserGetsTheDoctorsLayout() {
        Office office;
        auto window = openMainWindow(999);
        auto* bar = child<QToolBar>(window.get(), "toolBar_2");
        QCOMPARE(bar->findChildren<QLabel*>().first()->text(), QString("L'utilisateur:    "));
        QVERIFY(!child<QGroupBox>(window.get(), "groupBox")->isHidden());
        QVERIFY(!child<QCalendarWidget>(window.get(), "label")->isVisibleTo(window.get()));
    }

    void toolBarHoldsTheActions() {
        Office office;
        auto window = openMainWindow(office.doctor);
        QStringList names;
        for (QAction* a : child<QToolBar>(window.get(), "toolBar")->actions())
            names << (a->isSeparator() ? QString("|") : a->objectName());
        QCOMPARE(names, QStringList({"actionVisite", "actionVisites", "actionTous_les_Rendez_vous", "actionLastActe",
                                     "|", "actionClient", "actionListe_des_diagnostiques", "|", "actionSauvegarde"}));
        names.clear();
        for (QAction* a : child<QToolBar>(window.get(), "toolBar_2")->actions())
            names << a->objectName();
        QCOMPARE(names.mid(0, 3), QStringList({"actionQuitter_2", "actionA_propos_de_Kelvora", "actionAide"}));
        QCOMPARE(names.size(), 4); // and the user label
        QVERIFY(!action(window.get(), "actionLastActe")->isVisible());
        QCOMPARE(action(window.get(), "actionVisite")->iconText(), QString("       Dossier       "));
        QCOMPARE(action(window.get(), "actionVisite")->statusTip(), QString("Visites pour le patient actuel (F4)"));
        QCOMPARE(action(window.get(), "actionListe_des_diagnostiques")->toolTip(), QString("Configuration  (F8)"));
        QCOMPARE(window->statusBar()->styleSheet(),
                 QString("font: 14pt \"Times New Roman\"; color: rgb(85, 85, 255);"));
    }

    void functionKeysSwitchPagesAndHelpLeavesTheMarks() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        auto* tabs = child<QTabWidget>(w, "tabWidget_2");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(checkMarks(w), QList<bool>({true, false, false}));

        QTest::keyClick(w, Qt::Key_F5);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(checkMarks(w), QList<bool>({false, true, false}));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, "lineEditParVisite"));

        auto* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE(checkMarks(w), QList<bool>({false, true, false}));

        QTest::keyClick(w, Qt::Key_F6);
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(checkMarks(w), QList<bool>({false, false, true}));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, "lineEdit"));

        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(checkMarks(w), QList<bool>({false, true, false}));

        QTest::keyClick(w, Qt::Key_F4);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(checkMarks(w), QList<bool>({true, false, false}));
        QCOMPARE(QApplication::focusWidget(), visitSearchLine(w));
        // F4 again keeps the page and its mark.
        QTest::keyClick(w, Qt::Key_F4);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(checkMarks(w), QList<bool>({true, false, false}));
    }

    void helpPageAndHelpAddress() {
        Office office;
        auto window = openMainWindow(office.doctor);
        auto* help = child<QTextBrowser>(window.get(), "webView");
        QVERIFY(help->toPlainText().contains("Trouver ou créer un patient"));
        QVERIFY(help->toPlainText().contains("Sauvegarder"));
        QVERIFY(help->openExternalLinks());
        child<QTabWidget>(window.get(), "tabWidget_2")->setCurrentIndex(3);
        testsupport::grabToFile(window.get(), "mainwindow_help");

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        action(window.get(), "actionAide")->trigger();
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.first().host(), QString("kelvora.example"));
    }

    void aboutBoxTellsWhatKelvoraIs() {
        Office office;
        auto window = openMainWindow(office.doctor);
        auto answer = testsupport::answerMessageBox();
        action(window.get(), "actionA_propos_de_Kelvora")->trigger();
        QVERIFY(answer->answered());
        QVERIFY(answer->seenText().contains("C'est une application de gestion d'un cabinet dentaire"));
        QVERIFY(answer->seenText().startsWith(" <font size = 5 color =\"blue\">\n"));
    }

    void geometryAndStateComeBack() {
        Office office;
        {
            auto window = openMainWindow(office.doctor);
            window->resize(1024, 700);
            window->move(40, 30);
            QVERIFY(window->close());
        }
        QVERIFY(!QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen());
        QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
        QVERIFY(settings.contains(settingskeys::mainWindowGeometry));
        QVERIFY(settings.contains(settingskeys::mainWindowState));

        QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
        QVERIFY(database::open(db));
        auto again = openMainWindow(office.doctor);
        QCOMPARE(again->size(), QSize(1024, 700));
        QCOMPARE(again->pos(), QPoint(40, 30));
    }

    void opensOnTheNewestPatientWithAgesOfThisYear() {
        Office office;
        auto window = openMainWindow(office.doctor);
        QCOMPARE(child<QCommandLinkButton>(window.get(), "commandLinkButton")->text(), QString("Martin Karim"));
        auto* visits = child<QTableView>(window.get(), "tableViewVisite");
        QCOMPARE(visits->model()->rowCount(), 1);
        QCOMPARE(visits->currentIndex().row(), 0);
        const int year = QDate::currentDate().year();
        QCOMPARE(office.files.value("select Age from Patients where Num = " + QString::number(office.dupont)).toInt(),
                 year - 1980);
        QCOMPARE(office.files.value("select Age from Patients where Num = " + QString::number(office.martin)).toInt(),
                 year - 1991);
    }

    void agesFollowTheYearOfBirthWhateverIsMissing() {
        Office office;
        const int year = QDate::currentDate().year();
        const int right = office.insert("insert into Patients (Nom, Age, Annee) values ('Right', " +
                                        QString::number(year - 1970) + ", 1970)");
        const int stale = office.insert("insert into Patients (Nom, Age, Annee) values ('Stale', 80, 1970)");
        const int noYear = office.insert("insert into Patients (Nom, Age, Annee) values ('NoYear', 7, null)");
        const int noAge = office.insert("insert into Patients (Nom, Age, Annee) values ('NoAge', null, 2001)");
        const int neither = office.insert("insert into Patients (Nom) values ('Neither')");
        auto window = openMainWindow(office.doctor);
        const auto age = [&](int num) {
            return office.files.value("select Age from Patients where Num = " + QString::number(num));
        };
        QCOMPARE(age(right).toInt(), year - 1970);
        QCOMPARE(age(stale).toInt(), year - 1970);
        QVERIFY(age(noYear).isNull());
        QCOMPARE(age(noAge).toInt(), year - 2001);
        QVERIFY(age(neither).isNull());
    }

    void emptyOfficeOpensWithoutPatient() {
        testsupport::TempOffice files;
        files.exec("insert into user (Name, Password, Role) values ('Dr Amrani', 'a', 1)");
        auto window = openMainWindow(int(files.lastInsertId()));
        QCOMPARE(child<QCommandLinkButton>(window.get(), "commandLinkButton")->text(), QString());
        QCOMPARE(child<QTableView>(window.get(), "tableViewVisite")->model()->rowCount(), 0);
        QCOMPARE(child<QTableView>(window.get(), "tousRendezvousTableView")->model()->rowCount(), 0);
    }

    void englishTranslationReplacesTheTexts() {
        Office office;
        auto window = openMainWindow(office.reception);
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QApplication::installTranslator(&english);
        QTRY_COMPARE(action(window.get(), "actionVisites")->text(), QString("Visits"));
        auto* bar = child<QToolBar>(window.get(), "toolBar_2");
        QCOMPARE(bar->findChildren<QLabel*>().first()->text(), QString("User: Accueil   "));
        QCOMPARE(child<QCommandLinkButton>(window.get(), "commandLinkButton")->text(), QString("Martin Karim"));
        QCOMPARE(child<QCommandLinkButton>(window.get(), "commandLinkButton")->shortcut(), QKeySequence(Qt::Key_F2));
        testsupport::grabToFile(window.get(), "mainwindow_english");
        QApplication::removeTranslator(&english);
        QTRY_COMPARE(action(window.get(), "actionVisites")->text(), QString("Visites"));
    }
};

KELVORA_TEST(TestMainWindowFrame)
#include "test_mainwindow.moc"
