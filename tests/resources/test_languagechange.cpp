#include "../mainwindow/mainwindowfixture.h"

#include "accounting/sumformdialog.h"
#include "app/loginuser.h"
#include "appointments/dialogpatientrv.h"
#include "appointments/dialogrendezvous.h"
#include "config/dialog.h"
#include "config/dialogbackup.h"
#include "patients/dialogaddupdatepatient.h"
#include "patients/dialogfindpatient.h"
#include "printing/imageviewer.h"
#include "printing/tdpreviewdialog.h"
#include "visits/dialogaddupdatevisite.h"
#include "visits/dialogtraitement.h"
#include "visits/dialogvisite.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>
#include <map>

using namespace mainwindowtest;

namespace {

using Texts = std::map<QString, QString>;

// Every text a window shows, tool tips and status tips included, each under the path of its widget.
Texts shownTexts(QWidget* window) {
    Texts texts;
    const auto add = [&texts](const QString& key, const QString& text) {
        if (!text.isEmpty())
            texts[key] = text;
    };
    add("window title", window->windowTitle());
    for (QObject* object : window->findChildren<QObject*>()) {
        if (object->objectName().isEmpty() || object->objectName().startsWith("qt_"))
            continue;
        QString key = object->objectName();
        for (QObject* up = object->parent(); up && up != window; up = up->parent())
            if (!up->objectName().isEmpty())
                key = up->objectName() + '/' + key;
        if (auto* action = qobject_cast<QAction*>(object)) {
            add(key + " text", action->text());
            add(key + " icon text", action->iconText());
            add(key + " tool tip", action->toolTip());
            add(key + " status tip", action->statusTip());
            continue;
        }
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget)
            continue;
        add(key + " tool tip", widget->toolTip());
        add(key + " status tip", widget->statusTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(key + " text", button->text());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(key + " text", label->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(key + " title", group->title());
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            add(key + " placeholder", line->placeholderText());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(key + " tab " + QString::number(i), tabs->tabText(i));
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add(key + " item " + QString::number(i), combo->itemText(i));
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                add(key + " column " + QString::number(c), view->model()->headerData(c, Qt::Horizontal).toString());
    }
    return texts;
}

QStringList differences(const Texts& shown, const Texts& expected) {
    QStringList lines;
    for (const auto& [key, text] : expected) {
        const auto found = shown.find(key);
        const QString now = found == shown.end() ? QString("<none>") : found->second;
        if (now != text)
            lines << QString("%1: \"%2\", not \"%3\"").arg(key, now, text);
    }
    return lines;
}

} // namespace

// A window open while the language changes reads as one opened in the new language, and back again.
class TestLanguageChange : public QObject {
    Q_OBJECT

private:
    using Factory = std::function<std::unique_ptr<QWidget>(Office&)>;

    static void addWindow(const char* name, Factory factory) { QTest::newRow(name) << factory; }

private slots:
    void everyWindowFollowsTheLanguage_data() {
        QTest::addColumn<Factory>("open");
        addWindow("MainWindow", [](Office& o) { return openMainWindow(o.doctor); });
        addWindow("MainWindow reception", [](Office& o) { return openMainWindow(o.reception); });
        addWindow("DialogVisite", [](Office& o) {
            auto panel = std::make_unique<DialogVisite>(o.doctor, o.dupont, o.dupontCare1);
            clickRow(panel->findChild<QTableView*>("tableViewTraitement"), 0);
            return panel;
        });
        addWindow("DialogTraitement", [](Office& o) {
            const int act =
                o.files.value("select min(id) from Traitements where visite_id = " + QString::number(o.dupontCare1))
                    .toInt();
            return std::make_unique<DialogTraitement>(o.doctor, o.dupont, o.dupontCare1, act);
        });
        addWindow("DialogTraitement new",
                  [](Office& o) { return std::make_unique<DialogTraitement>(o.doctor, o.dupont, o.dupontCare1, 0); });
        addWindow("DialogAddUpdateVisite",
                  [](Office& o) { return std::make_unique<DialogAddUpdateVisite>(o.doctor, o.dupont, o.dupontCare1); });
        addWindow("DialogAddUpdateVisite new prosthesis",
                  [](Office& o) { return std::make_unique<DialogAddUpdateVisite>(o.doctor, o.dupont, -1); });
        addWindow("DialogAddUpdatePatient",
                  [](Office& o) { return std::make_unique<DialogAddUpdatePatient>(o.dupont, o.doctor, "medecin"); });
        addWindow("DialogAddUpdatePatient new",
                  [](Office& o) { return std::make_unique<DialogAddUpdatePatient>(0, o.doctor, "medecin"); });
        addWindow("DialogFindPatient", [](Office& o) { return std::make_unique<DialogFindPatient>(o.doctor); });
        addWindow("DialogRendezVous",
                  [](Office& o) { return std::make_unique<DialogRendezVous>(o.dupont, 1, o.doctor); });
        addWindow("DialogPatientRV",
                  [](Office& o) { return std::make_unique<DialogPatientRV>(o.doctor, o.dupont, 0); });
        addWindow("sumFormDialog", [](Office& o) { return std::make_unique<sumFormDialog>(o.doctor); });
        addWindow("Dialog", [](Office&) { return std::make_unique<Dialog>(1); });
        addWindow("DialogBackup", [](Office&) { return std::make_unique<DialogBackup>(); });
        addWindow("LoginUser", [](Office&) { return std::make_unique<LoginUser>(); });
        addWindow("ImageViewer", [](Office&) {
            QImage radio(40, 30, QImage::Format_RGB32);
            radio.fill(Qt::gray);
            return std::make_unique<ImageViewer>("Radio", radio);
        });
    }

    void everyWindowFollowsTheLanguage() {
        QFETCH(Factory, open);
        Office office;
        const std::unique_ptr<QWidget> french = open(office);
        french->show();
        const Texts frenchTexts = shownTexts(french.get());

        QTranslator english;
        QVERIFY(english.load(":/kelvora_en.qm"));
        QApplication::installTranslator(&english);
        const Texts englishTexts = shownTexts(open(office).get());
        QApplication::processEvents();
        QStringList wrong = differences(shownTexts(french.get()), englishTexts);
        QVERIFY2(wrong.isEmpty(), qPrintable("\n" + wrong.join('\n')));

        QApplication::removeTranslator(&english);
        QApplication::processEvents();
        wrong = differences(shownTexts(french.get()), frenchTexts);
        QVERIFY2(wrong.isEmpty(), qPrintable("\n" + wrong.join('\n')));
    }
};

KELVORA_TEST(TestLanguageChange)
#include "test_languagechange.moc"
