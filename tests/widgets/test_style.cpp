#include "testsupport.h"

#include "widgets/themeservice.h"
#include "widgets/windowsmodernstyle.h"
#include "widgets/windowsmodernstyleplugin.h"

#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>

namespace {

bool near(const QColor& actual, const QColor& expected, int tolerance) {
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance &&
           qAbs(actual.blue() - expected.blue()) <= tolerance;
}

#define COMPARE_COLOR(actual, expected, tolerance)                                                                     \
    QVERIFY2(near(actual, expected, tolerance),                                                                        \
             qPrintable(QString("%1 instead of %2").arg(QColor(actual).name(), QColor(expected).name())))

// A small icon drawn here: a coloured square with a darker edge.
QIcon squareIcon(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(color.darker(160));
    painter.setBrush(color);
    painter.drawRect(2, 2, 11, 11);
    return QIcon(pixmap);
}

QPalette knownPalette() {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(0xd4, 0xd0, 0xc8));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x33, 0x99, 0xff));
    return palette;
}

} // namespace

class TestStyle : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { themeservice::setTheme(QString(), QString()); }

    void foundByNameThroughThePlugin() {
        QVERIFY(QStyleFactory::keys().contains("WindowsModernStyle"));
        for (const QString& name : {QString("windowsmodernstyle"), QString("WindowsModernStyle")}) {
            std::unique_ptr<QStyle> style(QStyleFactory::create(name));
            auto* modern = qobject_cast<WindowsModernStyle*>(style.get());
            QVERIFY2(modern, qPrintable(name));
            QCOMPARE(modern->baseStyle()->name().toLower(), QString("windows"));
        }
        WindowsModernStylePlugin plugin;
        QCOMPARE(plugin.keys(), QStringList{"WindowsModernStyle"});
        std::unique_ptr<QStyle> upper(plugin.create("WINDOWSMODERNSTYLE"));
        QVERIFY(qobject_cast<WindowsModernStyle*>(upper.get()));
        QVERIFY(!plugin.create("fusion"));
    }

    void classicColoursAreBlendedFromThePalette() {
        WindowsModernStyle style;
        QVERIFY(!style.color(0).isValid()); // nothing before the palette is polished
        QPalette palette = knownPalette();
        style.polish(palette);
        QCOMPARE(style.theme(), WindowsModernStyle::Classic);
        const QList<QPair<int, QColor>> expected = {{0, QColor(0xd4, 0xd0, 0xc8)},
                                                    {1, QColor(246, 245, 244)},
                                                    {2, QColor(102, 102, 102)},
                                                    {3, QColor(249, 248, 247)},
                                                    {4, QColor(246, 246, 244)},
                                                    {5, QColor(234, 232, 228)},
                                                    {6, QColor(246, 246, 244)},
                                                    {7, QColor(234, 232, 228)},
                                                    {8, QColor(0xd4, 0xd0, 0xc8)},
                                                    {9, QColor(160, 160, 160)},
                                                    {10, Qt::white},
                                                    {11, QColor(166, 166, 166)},
                                                    {12, Qt::white},
                                                    {13, QColor(0x33, 0x99, 0xff)},
                                                    {14, QColor(194, 224, 255)},
                                                    {16, QColor(194, 224, 255)},
                                                    {17, QColor(224, 240, 255)},
                                                    {19, QColor(224, 240, 255)},
                                                    {20, QColor(163, 209, 255)},
                                                    {22, QColor(163, 209, 255)},
                                                    {23, QColor(0x80, 0x80, 0x80)},
                                                    {24, QColor(153, 153, 153)}};
        for (const auto& [slot, colour] : expected)
            QVERIFY2(style.color(slot) == colour,
                     qPrintable(
                         QString("slot %1: %2 instead of %3").arg(slot).arg(style.color(slot).name(), colour.name())));
    }

    void themedDesktopsGetTheirColourSets() {
        struct Case {
            QString file, colour;
            WindowsModernStyle::Theme theme;
            QRgb first, last;
        };
        const QList<Case> cases = {
            {"C:/WINDOWS/Resources/Themes/Luna/Luna.msstyles", "HomeStead", WindowsModernStyle::Olive, 0xd9d9a7,
             0x97a67b},
            {"C:/WINDOWS/Resources/Themes/Luna/Luna.msstyles", "Metallic", WindowsModernStyle::Silver, 0xd7d7e5,
             0x9190ad},
            {"C:/WINDOWS/Resources/Themes/Luna/Luna.msstyles", "NormalColor", WindowsModernStyle::Blue, 0x9ebef5,
             0x6a8ccb},
            {"C:/Windows/Resources/Themes/Aero/Aero.msstyles", "NormalColor", WindowsModernStyle::Blue, 0x9ebef5,
             0x6a8ccb},
            {"C:/Themes/Royale/Royale.msstyles", "NormalColor", WindowsModernStyle::Classic, 0xd4d0c8, 0x999999},
        };
        for (const Case& c : cases) {
            themeservice::setTheme(c.file, c.colour);
            WindowsModernStyle style;
            QPalette palette = knownPalette();
            style.polish(palette);
            QCOMPARE(style.theme(), c.theme);
            QCOMPARE(style.color(0).rgb() & 0xffffff, c.first);
            QCOMPARE(style.color(24).rgb() & 0xffffff, c.last);
            QCOMPARE(WindowsModernStyle::themeFor(c.file, c.colour), c.theme);
        }
        // No theme on this desktop: classic.
        themeservice::setTheme(QString(), QString());
        QVERIFY(!themeservice::isAppThemed());
        WindowsModernStyle style;
        QPalette palette = knownPalette();
        style.polish(palette);
        QCOMPARE(style.theme(), WindowsModernStyle::Classic);
    }

    void metricsAndMenuItemSizes() {
        WindowsModernStyle style;
        QStyle* base = style.baseStyle();
        QToolBar bar;
        QToolButton* inBar = new QToolButton(&bar);
        QPushButton loose;
        QCOMPARE(style.pixelMetric(QStyle::PM_ButtonShiftHorizontal, nullptr, inBar), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_ButtonShiftVertical, nullptr, inBar), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_ButtonShiftHorizontal, nullptr, &loose),
                 base->pixelMetric(QStyle::PM_ButtonShiftHorizontal, nullptr, &loose));
        QCOMPARE(style.pixelMetric(QStyle::PM_MenuButtonIndicator), 12);
        QCOMPARE(style.pixelMetric(QStyle::PM_ToolBarIconSize), 16);
        QCOMPARE(style.pixelMetric(QStyle::PM_MenuHMargin), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_MenuVMargin), 1);
        QCOMPARE(style.pixelMetric(QStyle::PM_MenuPanelWidth), 1);
        QCOMPARE(style.pixelMetric(QStyle::PM_MenuBarPanelWidth), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_MenuBarVMargin), 2);
        QCOMPARE(style.pixelMetric(QStyle::PM_MenuBarHMargin), 2);
        QCOMPARE(style.pixelMetric(QStyle::PM_ToolBarFrameWidth), 2);
        QCOMPARE(style.pixelMetric(QStyle::PM_ToolBarItemSpacing), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_ToolBarItemMargin), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_DockWidgetSeparatorExtent), 4);
        QCOMPARE(style.pixelMetric(QStyle::PM_DockWidgetTitleBarButtonMargin), 4);
        QCOMPARE(style.pixelMetric(QStyle::PM_DockWidgetTitleMargin), 3);

        QTabWidget tabs;
        QTabBar looseTabs;
        QCOMPARE(style.pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, &tabs), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, &looseTabs),
                 base->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, &looseTabs));
        QMainWindow window;
        auto* northTabs = new QTabBar(&window);
        auto* southTabs = new QTabBar(&window);
        southTabs->setShape(QTabBar::RoundedSouth);
        QCOMPARE(style.pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, northTabs), 0);
        QCOMPARE(style.pixelMetric(QStyle::PM_TabBarTabShiftVertical, nullptr, northTabs), 2);
        QCOMPARE(style.pixelMetric(QStyle::PM_TabBarTabShiftVertical, nullptr, southTabs), -2);
        QToolBox box;
        QCOMPARE(style.pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, &box), -1);

        QStyleOptionMenuItem item;
        item.menuItemType = QStyleOptionMenuItem::Normal;
        item.text = "Ouvrir";
        item.font = QApplication::font();
        item.fontMetrics = QFontMetrics(item.font);
        const QSize content(60, 16);
        const QSize plain = style.sizeFromContents(QStyle::CT_MenuItem, &item, content);
        QCOMPARE(plain, QSize(base->sizeFromContents(QStyle::CT_MenuItem, &item, content).width() + 48, 22));
        item.text = "Imprimer\tCtrl+P";
        const QSize withShortcut = style.sizeFromContents(QStyle::CT_MenuItem, &item, content);
        QCOMPARE(withShortcut, QSize(base->sizeFromContents(QStyle::CT_MenuItem, &item, content).width() + 60, 22));
        item.menuItemType = QStyleOptionMenuItem::Separator;
        QCOMPARE(style.sizeFromContents(QStyle::CT_MenuItem, &item, content), QSize(10, 3));

        // In a real menu the items are laid out at those heights.
        QMenu menu;
        menu.setStyle(&style);
        QAction* open = menu.addAction("Ouvrir");
        QAction* separator = menu.addSeparator();
        QAction* print = menu.addAction("Imprimer");
        print->setShortcut(QKeySequence("Ctrl+P"));
        menu.ensurePolished();
        menu.adjustSize();
        QCOMPARE(menu.actionGeometry(open).height(), 22);
        QCOMPARE(menu.actionGeometry(separator).height(), 3);
        QCOMPARE(menu.actionGeometry(print).height(), 22);
        menu.setStyle(nullptr);
    }
};
KELVORA_TEST(TestStyle)

// The style set on the application, in the blue colour set, over a small main window.
class TestStyleRendering : public QObject {
    Q_OBJECT

private:
    QString previousStyle;
    WindowsModernStyle* style = nullptr;
    std::unique_ptr<QMainWindow> window;
    QToolBar* toolBar = nullptr;
    QAction* checkedAction = nullptr;
    QAction* plainAction = nullptr;
    QMenu* fileMenu = nullptr;
    QTabWidget* tabs = nullptr;
    QDockWidget* dock = nullptr;
    QToolBox* toolBox = nullptr;

    QColor slot(int index) const { return style->color(index); }

private slots:
    void initTestCase() {
        previousStyle = QApplication::style()->name();
        themeservice::setTheme("C:/WINDOWS/Resources/Themes/Luna/Luna.msstyles", "NormalColor");
        QApplication::setStyle(QStyleFactory::create("windowsmodernstyle"));
        style = qobject_cast<WindowsModernStyle*>(QApplication::style());
        QVERIFY(style);
        QCOMPARE(style->theme(), WindowsModernStyle::Blue); // the application's palette was polished by it

        window = std::make_unique<QMainWindow>();
        window->setWindowTitle("Kelvora");
        fileMenu = window->menuBar()->addMenu("&Fichier");
        fileMenu->addAction(squareIcon(Qt::darkGreen), "&Nouveau patient");
        QAction* print = fileMenu->addAction(squareIcon(Qt::darkBlue), "&Imprimer");
        print->setShortcut(QKeySequence("Ctrl+P"));
        fileMenu->addSeparator();
        QAction* details = fileMenu->addAction("Afficher les &détails");
        details->setCheckable(true);
        details->setChecked(true);
        fileMenu->addMenu("&Récents")->addAction("data.mdb");
        fileMenu->addAction("&Quitter");
        window->menuBar()->addMenu("&Affichage")->addAction("Patients");

        toolBar = window->addToolBar("Outils");
        plainAction = toolBar->addAction(squareIcon(QColor(0, 140, 200)), "Chercher");
        toolBar->addSeparator();
        checkedAction = toolBar->addAction(squareIcon(QColor(220, 60, 40)), "Rendez-vous");
        checkedAction->setCheckable(true);
        checkedAction->setChecked(true);
        toolBar->addAction(squareIcon(QColor(120, 60, 160)), "Imprimer");

        tabs = new QTabWidget;
        tabs->addTab(new QWidget, "Patient");
        tabs->addTab(new QWidget, "Soins");
        tabs->addTab(new QWidget, "Prothèses");
        window->setCentralWidget(tabs);

        dock = new QDockWidget("Patients du jour", window.get());
        toolBox = new QToolBox;
        toolBox->addItem(new QLabel("Karim O'Neil"), "Matin");
        toolBox->addItem(new QLabel("Lina Haddad"), "Après-midi");
        toolBox->addItem(new QLabel("-"), "Soir");
        toolBox->setMinimumWidth(150);
        dock->setWidget(toolBox);
        window->addDockWidget(Qt::LeftDockWidgetArea, dock);
        window->statusBar()->showMessage("Prêt");
        window->resize(620, 320);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanupTestCase() {
        window.reset();
        themeservice::setTheme(QString(), QString());
        QApplication::setStyle(QStyleFactory::create(previousStyle));
    }

    void mainWindowPicture() {
        testsupport::grabToFile(window.get(), "style_main_window");
        // The window's background runs from slot 0 at the top.
        const QImage image = window->grab().toImage();
        COMPARE_COLOR(image.pixelColor(image.width() - 3, 1), slot(0), 6);

        // The gradient stops above the status bar, which gets a light line along its top edge.
        QMainWindow bare;
        bare.statusBar()->showMessage("Prêt");
        bare.resize(200, 120);
        bare.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bare));
        const QImage plain = bare.grab().toImage();
        const QRect status = bare.statusBar()->geometry();
        COMPARE_COLOR(plain.pixelColor(150, status.top()), bare.palette().color(QPalette::Light), 0);
        COMPARE_COLOR(plain.pixelColor(150, status.top() - 2), slot(1), 2);
        COMPARE_COLOR(plain.pixelColor(150, status.center().y()), bare.palette().color(QPalette::Window), 0);
    }

    void toolBoxAndDockTitle() {
        QCOMPARE(toolBox->layout()->contentsMargins(), QMargins(2, 2, 2, 2));
        const QList<QAbstractButton*> buttons = toolBox->findChildren<QAbstractButton*>();
        QCOMPARE(buttons.size(), 3);
        for (QAbstractButton* button : buttons) {
            QVERIFY(button->testAttribute(Qt::WA_Hover));
            QCOMPARE(button->sizePolicy().controlType(), QSizePolicy::PushButton);
        }
        for (QScrollArea* area : toolBox->findChildren<QScrollArea*>())
            QVERIFY(area->testAttribute(Qt::WA_StyledBackground));

        const QImage image = window->grab().toImage();
        const auto rectOf = [this](QWidget* w) { return QRect(w->mapTo(window.get(), QPoint()), w->size()); };
        QAbstractButton* current = nullptr;
        QAbstractButton* other = nullptr;
        for (QAbstractButton* button : buttons)
            (button->text() == "Matin" ? current : other) = button;
        const QRect selected = rectOf(current);
        COMPARE_COLOR(image.pixelColor(selected.left(), selected.center().y()), slot(23), 0);
        COMPARE_COLOR(image.pixelColor(selected.right() - 3, selected.top() + 1), slot(20), 12);
        COMPARE_COLOR(image.pixelColor(selected.right() - 3, selected.bottom() - 1), slot(22), 12);
        const QRect plain = rectOf(other);
        COMPARE_COLOR(image.pixelColor(plain.left(), plain.center().y()), slot(24), 0);
        COMPARE_COLOR(image.pixelColor(plain.right() - 3, plain.top() + 1), slot(7), 12);

        // The dock's title bar runs from slot 6 to slot 8, above the tool box.
        const QRect box = rectOf(toolBox);
        const QRect dockArea = rectOf(dock);
        QVERIFY(box.top() > dockArea.top() + 18);
        COMPARE_COLOR(image.pixelColor(dockArea.left() + 1, dockArea.top() + 1), slot(6), 12);
        COMPARE_COLOR(image.pixelColor(dockArea.left() + 1, dockArea.top() + 17), slot(8), 25);

        // The open page shows the tool box's own gradient, slot 7 into slot 6.
        QScrollArea* page = nullptr;
        for (QScrollArea* area : toolBox->findChildren<QScrollArea*>())
            if (area->isVisible())
                page = area;
        QVERIFY(page);
        const QRect pageRect = rectOf(page);
        COMPARE_COLOR(image.pixelColor(pageRect.left() + 2, pageRect.top() + 2), slot(7), 3);
        COMPARE_COLOR(image.pixelColor(pageRect.left() + 2, pageRect.bottom() - 1), slot(6), 3);
    }

    void toolBarGradientAndButtons() {
        const QImage bar = toolBar->grab().toImage();
        const int x = bar.width() - 6; // right of the buttons
        COMPARE_COLOR(bar.pixelColor(x, bar.height() / 2), slot(7), 3);
        COMPARE_COLOR(bar.pixelColor(x, 0), slot(6), 3);
        COMPARE_COLOR(bar.pixelColor(x, bar.height() - 1), slot(24), 0); // the shadow line

        // Buttons are read from the bar's own picture: a button paints over the bar's gradient.
        auto* checked = qobject_cast<QToolButton*>(toolBar->widgetForAction(checkedAction));
        QVERIFY(checked);
        const QImage on = toolBar->grab(checked->geometry()).toImage();
        COMPARE_COLOR(on.pixelColor(2, on.height() / 2 - 1), slot(18), 8);
        COMPARE_COLOR(on.pixelColor(0, on.height() / 2), slot(13), 0);
        COMPARE_COLOR(on.pixelColor(2, 1), slot(17), 8);

        auto* plain = qobject_cast<QToolButton*>(toolBar->widgetForAction(plainAction));
        const QImage idle = toolBar->grab(plain->geometry()).toImage();
        COMPARE_COLOR(idle.pixelColor(1, idle.height() / 2), bar.pixelColor(x, idle.height() / 2 + plain->y()), 3);

        QTest::mouseMove(plain, plain->rect().center());
        QTRY_VERIFY(plain->underMouse());
        const QImage hovered = toolBar->grab(plain->geometry()).toImage();
        COMPARE_COLOR(hovered.pixelColor(2, hovered.height() / 2 - 1), slot(15), 8);
        COMPARE_COLOR(hovered.pixelColor(0, hovered.height() / 2), slot(13), 0);
        testsupport::grabToFile(toolBar, "style_tool_bar_hover");

        QTest::mousePress(plain, Qt::LeftButton, {}, plain->rect().center());
        const QImage pressed = toolBar->grab(plain->geometry()).toImage();
        COMPARE_COLOR(pressed.pixelColor(2, 1), slot(20), 8);
        QTest::mouseRelease(plain, Qt::LeftButton, {}, plain->rect().center());
        QTest::mouseMove(tabs, tabs->rect().center());
    }

    void menuBarItemStates() {
        QMenuBar* bar = window->menuBar();
        const QRect item = bar->actionGeometry(fileMenu->menuAction());
        QTest::mouseMove(window->windowHandle(), bar->mapTo(window.get(), item.center() - QPoint(2, 0)));
        QTest::mouseMove(window->windowHandle(), bar->mapTo(window.get(), item.center()));
        QTRY_VERIFY(bar->activeAction() == fileMenu->menuAction());
        QImage image = window->grab(bar->geometry()).toImage();
        COMPARE_COLOR(image.pixelColor(item.left(), item.center().y()), slot(13), 0);
        COMPARE_COLOR(image.pixelColor(item.left() + 3, item.top() + 1), slot(14), 8);
        // Elsewhere the bar lets the window's background through.
        QVERIFY(image.pixelColor(image.width() - 3, image.height() / 2) !=
                QApplication::palette().color(QPalette::Button));

        // Open: the item and the menu under it look joined.
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, bar->mapTo(window.get(), item.center()));
        QTRY_VERIFY(fileMenu->isVisible());
        image = window->grab(bar->geometry()).toImage();
        COMPARE_COLOR(image.pixelColor(item.left(), item.center().y()), slot(2), 0);
        COMPARE_COLOR(image.pixelColor(item.center().x() + 8, item.top()), slot(2), 0);
        COMPARE_COLOR(image.pixelColor(item.center().x() + 8, item.top() + 1), slot(4), 10);
        const QImage menu = fileMenu->grab().toImage();
        testsupport::grabToFile(fileMenu, "style_menu_from_bar");
        const int underItem = bar->mapToGlobal(item.center()).x() - fileMenu->mapToGlobal(QPoint()).x();
        COMPARE_COLOR(menu.pixelColor(underItem, 0), slot(3), 0);
        COMPARE_COLOR(menu.pixelColor(menu.width() - 3, 0), slot(2), 0);
        fileMenu->close();
        QTRY_VERIFY(!fileMenu->isVisible());
        QTest::mouseMove(window->windowHandle(), tabs->geometry().center());
    }

    void menuStripItemsAndHighlight() {
        QList<QAction*> actions = fileMenu->actions();
        fileMenu->popup(window->mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
        fileMenu->setActiveAction(actions.at(1));
        const QImage image = fileMenu->grab().toImage();
        testsupport::grabToFile(fileMenu, "style_menu");

        COMPARE_COLOR(image.pixelColor(0, image.height() / 2), slot(2), 0); // the frame
        const QRect first = fileMenu->actionGeometry(actions.at(0));
        COMPARE_COLOR(image.pixelColor(first.left(), first.center().y()), slot(6), 8);
        COMPARE_COLOR(image.pixelColor(first.center().x(), first.center().y() - 6), slot(3), 0);

        const QRect active = fileMenu->actionGeometry(actions.at(1));
        COMPARE_COLOR(image.pixelColor(active.center().x(), active.top()), slot(13), 0);
        COMPARE_COLOR(image.pixelColor(active.center().x(), active.center().y() - 6), slot(14), 0);

        const QRect separator = fileMenu->actionGeometry(actions.at(2));
        QCOMPARE(separator.height(), 3);
        COMPARE_COLOR(image.pixelColor(separator.center().x(), separator.center().y()), slot(11), 0);
        fileMenu->close();
    }

    void tabsByState() {
        QTabBar* bar = tabs->tabBar();
        const QImage image = bar->grab().toImage();
        testsupport::grabToFile(bar, "style_tabs");
        const QRect selected = bar->tabRect(0);
        const QRect other = bar->tabRect(1);
        COMPARE_COLOR(image.pixelColor(selected.center().x(), selected.top() + 1), slot(14), 10);
        COMPARE_COLOR(image.pixelColor(selected.left(), selected.center().y()), slot(23), 0);
        COMPARE_COLOR(image.pixelColor(other.left(), other.center().y()), slot(24), 0);
        COMPARE_COLOR(image.pixelColor(other.center().x() - 20, other.top() + 3), slot(7), 10);
    }

    void aTabTextEndingInALineFeedIsDrawnWhole() {
        // "Treatments" and its line feed, in the English options dialog: a one-line tab, centred as two lines,
        // would lose the top of its letters.
        QTabBar* bar = tabs->tabBar();
        const auto tabPicture = [bar] { return bar->grab(bar->tabRect(1)).toImage(); };
        const QImage oneLine = tabPicture();
        bar->setTabText(1, "Soins\n");
        const QImage withLineFeed = tabPicture();
        bar->setTabText(1, "Soins");
        QCOMPARE(withLineFeed, oneLine);
    }
};
KELVORA_TEST(TestStyleRendering)

#include "test_style.moc"
