#include "app/windowgeometry.h"

#include "app/settingskeys.h"

#include <QSettings>
#include <QWidget>

namespace {

QString geometryKey(const QWidget* window) {
    return QLatin1String(window->metaObject()->className()) + QLatin1String(settingskeys::geometrySuffix);
}

} // namespace

void restoreWindowGeometry(QWidget* window) {
    QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
    window->restoreGeometry(settings.value(geometryKey(window)).toByteArray());
}

void saveWindowGeometry(const QWidget* window) {
    QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
    settings.setValue(geometryKey(window), window->saveGeometry());
}
