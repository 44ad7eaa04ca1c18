#include "mainwindowfixture.h"

#include "app/settingskeys.h"
#include "visits/dialogvisite.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

using namespace mainwindowtest;

// What an office meets on its laptop's screen (1280 x 800), in English and by keyboard.
class TestScreen : public QObject {
    Q_OBJECT

private:
    static QStringList shownTitles(QTableView* view) {
        QStringList titles;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            if (!view->isColumnHidden(c))
                titles << view->model()->headerData(c, Qt::Horizontal).toString();
        return titles;
    }

private slots:
    void windowFitsTheScreenEvenFromALargerOne() {
        Office office;
        {
            // A geometry kept on a large screen, partly beyond this one.
            MainWindow large(office.doctor, QSqlDatabase::database());
            large.setGeometry(900, 500, 1900, 1000);
            QSettings(settingskeys::windowOrganization, settingskeys::windowApplication)
                .setValue(settingskeys::mainWindowGeometry, large.saveGeometry());
        }
        auto window = openMainWindow(office.doctor);
        const QRect area = window->screen()->availableGeometry();
        QVERIFY2(
            area.contains(window->frameGeometry()),
            qPrintable(
                QString("%1,%2 %3x%4").arg(window->x()).arg(window->y()).arg(window->width()).arg(window->height())));
        // The patient page keeps a usable visit search at the smallest size.
        window->resize(window->minimumSize());
        QTRY_VERIFY(visitSearchLine(window.get())->width() >= 120);
    }

    void smallestWindowKeepsItsToolsAndButtons() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        auto* newVisit = child<QPushButton>(w, "btnNewVisite");
        auto* newAct = w->findChild<DialogVisite*>()->findChild<QPushButton*>("btnNewTraitement");
        QCOMPARE(newVisit->text(), QString("&Nouveau"));
        w->resize(w->minimumSize());
        QTRY_COMPARE(w->size(), QSize(800, 600));
        // Every tool stands on its bar, none behind the bar's extension arrow.
        for (const char* name : {"toolBar", "toolBar_2"}) {
            auto* bar = child<QToolBar>(w, name);
            QTRY_VERIFY2(!bar->findChild<QToolButton*>("qt_toolbar_ext_button")->isVisible(), name);
        }
        // Every page fits: none is wider than the window, and every tab is in sight.
        auto* pages = child<QTabWidget>(w, "tabWidget_2");
        QVERIFY(pages->tabBar()->sizeHint().width() <= pages->width());
        QCOMPARE(pages->tabText(0), QString("Patient"));
        for (int page = 0; page < pages->count(); ++page)
            QVERIFY2(pages->widget(page)->minimumSizeHint().width() <= pages->currentWidget()->width(),
                     qPrintable(pages->tabText(page)));
        // The buttons show their icons, whole, and keep their keys and their names in their tool tips.
        QCOMPARE(newVisit->text(), QString());
        QCOMPARE(newVisit->toolTip(), QString("Nouveau visite"));
        QCOMPARE(newAct->toolTip(), QString("Nouveau"));
        for (QPushButton* button : {newVisit, newAct})
            QVERIFY(button->width() >= button->sizeHint().width());
        QTRY_VERIFY(w->findChild<DialogVisite*>()->findChild<QTableView*>("tableViewTraitement")->width() >= 100);
        auto answer = testsupport::rejectNextDialog();
        QTest::keyClick(w->windowHandle(), Qt::Key_F9);
        QTRY_VERIFY(answer->answered());

        // A language change while they are narrow: the new names wait in the tool tips.
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QApplication::installTranslator(&english);
        QTRY_COMPARE(newAct->toolTip(), QString("New"));
        QVERIFY(w->statusBar()->currentMessage().isEmpty()); // nothing left in French below
        QCOMPARE(newVisit->text(), QString());
        QCOMPARE(newAct->shortcut(), QKeySequence(Qt::Key_F9));
        // The act and its amounts stand whole in the acts list, beside the radiograph.
        auto* acts = w->findChild<DialogVisite*>()->findChild<QTableView*>("tableViewTraitement");
        const auto shownWhole = [acts](const char* field) {
            int column = 0;
            while (acts->model()->headerData(column, Qt::Horizontal, Qt::UserRole).toString() != field)
                ++column;
            const int right = acts->columnViewportPosition(column) + acts->columnWidth(column);
            return acts->columnViewportPosition(column) >= 0 && right <= acts->viewport()->width();
        };
        for (const char* field : {"Acte", "Frais", "Payement"})
            QTRY_VERIFY2(shownWhole(field), field);
        QVERIFY(acts->width() >= 200);
        testsupport::grabToFile(w, "screen_smallest_patient_page");
        w->resize(1280, 800);
        QTRY_COMPARE(newVisit->text(), QString("&New"));
        QVERIFY(pages->tabText(1).startsWith("  ")); // the English title, with its blanks
        QTRY_COMPARE(w->findChild<DialogVisite*>()->findChild<QPushButton*>("pushBtnRadion")->size(), QSize(200, 200));
        testsupport::grabToFile(w, "screen_laptop_patient_page");
        w->resize(1280, 760);
        QTRY_COMPARE(newVisit->text(), QString("&New"));
        QCOMPARE(newAct->text(), QString("&New "));
        QCOMPARE(newAct->toolTip(), QString());
        QCOMPARE(newAct->shortcut(), QKeySequence(Qt::Key_F9));
        QApplication::removeTranslator(&english);
    }

    void englishTitlesAndBalancesThatFollowTheActs() {
        Office office;
        auto window = openMainWindow(office.doctor);
        MainWindow* w = window.get();
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QApplication::installTranslator(&english);
        auto* all = child<QTableView>(w, "parVisiteTableView");
        QTRY_COMPARE(shownTitles(all), QStringList({"Name", "Date", "Type", "Reason", "Diagnosis", "Prosthesis type",
                                                    "Balance", "Visit No."}));
        QCOMPARE(shownTitles(child<QTableView>(w, "tousRendezvousTableView")),
                 QStringList({"Date", "Name", "State", "Planned treatment", "Doctor"}));
        for (int page = 0; page < 3; ++page) {
            child<QTabWidget>(w, "tabWidget_2")->setCurrentIndex(page);
            testsupport::grabToFile(w, QStringLiteral("screen_english_page%1").arg(page));
        }
        child<QTabWidget>(w, "tabWidget_2")->setCurrentIndex(0);

        // The panel changed an act: the balances of every visit follow, without a search typed.
        const QString before = cellText(all, 0, "Reste");
        office.files.exec("update Traitements set Payement = 0");
        emit w->findChild<DialogVisite*>()->refreshVisit();
        QVERIFY(cellText(all, 0, "Reste") != before);

        QApplication::removeTranslator(&english);
        QTRY_COMPARE(shownTitles(child<QTableView>(w, "tousRendezvousTableView")),
                     QStringList({"Date", "Nom", "État", "Acte prévu", "Médecin"}));
    }

    void helpPageInTheProgramsLanguage() {
        Office office;
        auto window = openMainWindow(office.doctor);
        auto* help = child<QTextBrowser>(window.get(), "webView");
        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QApplication::installTranslator(&english);
        // From the appointment book, the next page is the help page.
        QTest::keyClick(window.get(), Qt::Key_F6);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(child<QTabWidget>(window.get(), "tabWidget_2")->currentWidget(), help->parentWidget());
        QTRY_VERIFY(help->toPlainText().contains("Finding or creating a patient"));
        QVERIFY(!help->toPlainText().contains("Sauvegarder"));
        testsupport::grabToFile(window.get(), "screen_english_help");
        QApplication::removeTranslator(&english);
        QTRY_VERIFY(help->toPlainText().contains("Trouver ou créer un patient"));
    }

    void focusedVisitTypeStaysReadable() {
        Office office;
        // The office's pictures dress the buttons, as in the program.
        const QDir artwork(qEnvironmentVariable("KELVORA_BINARY_DIR", QCoreApplication::applicationDirPath() + "/..") +
                           "/artwork/images");
        for (const QString& name : artwork.entryList(QDir::Files))
            QVERIFY(QFile::copy(artwork.filePath(name), office.files.dir() + "/images/" + name));
        const QString previous = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("windowsmodernstyle")));
        auto window = openMainWindow(office.doctor);
        auto* type = child<QComboBox>(window.get(), "comboBoxSoinProthese");
        // Dark pixels in the text's part of the button: the letters of "SOINS" in the text colour.
        const auto darkPixels = [type] {
            const QImage picture = type->grab().toImage();
            int dark = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width() * 2 / 3; ++x)
                    dark += qGray(picture.pixel(x, y)) < 100;
            return dark;
        };
        QTest::keyClick(window.get(), Qt::Key_F5);
        const int unfocused = darkPixels();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), type);
        testsupport::grabToFile(type, "screen_focused_visit_type");
        const int focused = darkPixels();
        window.reset();
        QApplication::setStyle(QStyleFactory::create(previous));
        QVERIFY2(unfocused > 20, qPrintable(QString::number(unfocused)));
        QVERIFY2(focused * 2 > unfocused, qPrintable(QString("%1 of %2").arg(focused).arg(unfocused)));
    }

    void returnOnTheDeletionQuestionDeletesNothing() {
        Office office;
        auto window = openMainWindow(office.doctor);
        auto* visits = child<QTableView>(window.get(), "tableViewVisite");
        const int before = visits->model()->rowCount();
        testsupport::ModalAnswer answer([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QTest::keyClick(child<QPushButton>(window.get(), "btnSuppVisite"), Qt::Key_Space);
        QVERIFY(answer.answered());
        QCOMPARE(visits->model()->rowCount(), before);
        QCOMPARE(office.files.value("select count(*) from Visites").toInt(), 4);
    }

    void radiographTitleForgetsTheFormerAct() {
        Office office;
        auto window = openMainWindow(office.doctor);
        auto* panel = window->findChild<DialogVisite*>();
        auto* group = panel->findChild<QGroupBox*>(QStringLiteral("groupBox"));
        clickRow(panel->findChild<QTableView*>(QStringLiteral("tableViewTraitement")), 0);
        QTRY_VERIFY(group->title().startsWith("Radio : "));
        panel->clearVisite();
        QCOMPARE(group->title(), QString(" &Radio      "));
    }
};

KELVORA_TEST(TestScreen)
#include "test_screen.moc"
