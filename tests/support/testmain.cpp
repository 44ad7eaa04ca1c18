// The main of every test executable: runs each test class registered with KELVORA_TEST in turn, on the
// offscreen platform, with a settings folder that belongs to this run alone.

#include "testsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QtPlugin>

#include <map>
#include <string>

namespace testsupport {

static std::map<std::string, TestFactory>& registry() {
    static std::map<std::string, TestFactory> tests;
    return tests;
}

bool registerTest(const char* name, TestFactory factory) {
    registry()[name] = std::move(factory);
    return true;
}

} // namespace testsupport

Q_IMPORT_PLUGIN(WindowsModernStylePlugin)

int main(int argc, char** argv) {
    // Windows are tried on the screen of an office's laptop, 1280 x 800, whatever runs the tests.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + KELVORA_TEST_SCREEN);
    // Never the user's own settings: a fresh folder for every run, whatever the caller set.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    // Nor the user's keyring: server passwords go to the owner-only file of that folder.
    qputenv("KELVORA_NO_KEYRING", "1");

    QApplication app(argc, argv);

    // "-class Name" runs one class; the other arguments go to QtTest.
    QStringList arguments = app.arguments();
    QString only;
    const int classOption = arguments.indexOf(QStringLiteral("-class"));
    if (classOption >= 0 && classOption + 1 < arguments.size()) {
        only = arguments.at(classOption + 1);
        arguments.remove(classOption, 2);
    }

    int failures = 0;
    for (auto& [name, factory] : testsupport::registry()) {
        if (!only.isEmpty() && only != QString::fromStdString(name))
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), arguments);
    }
    return failures == 0 ? 0 : 1;
}
