// The plugin lives in the program's static library: it is built as a static plugin (this file's
// meta-object code is included below, so that it sees the definition) and imported at start-up.
#define QT_STATICPLUGIN

#include "widgets/windowsmodernstyleplugin.h"

#include "widgets/windowsmodernstyle.h"

QStringList WindowsModernStylePlugin::keys() const {
    return {QStringLiteral("WindowsModernStyle")};
}

QStyle* WindowsModernStylePlugin::create(const QString& key) {
    if (key.toLower() == QLatin1String("windowsmodernstyle"))
        return new WindowsModernStyle;
    return nullptr;
}

#include "moc_windowsmodernstyleplugin.cpp"
