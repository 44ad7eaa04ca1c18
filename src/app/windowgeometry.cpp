#include "app/windowgeometry.h"

#include "app/settingskeys.h"

#include <QScreen>
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
    fitIntoScreen(window);
}

void saveWindowGeometry(const QWidget* window) {
    QSettings settings(settingskeys::windowOrganization, settingskeys::windowApplication);
    settings.setValue(geometryKey(window), window->saveGeometry());
}

void fitIntoScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The window manager's frame, known once the window has been shown.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize size = window->size().boundedTo(area.size() - frame).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    // A window that was never placed is placed by the toolkit, inside the screen; one placed by a stored
    // geometry may lie where a larger or another screen was.
    if (!window->testAttribute(Qt::WA_Moved))
        return;
    const QSize outer = size + frame;
    const int x = qMax(area.left(), qMin(window->x(), area.right() + 1 - outer.width()));
    const int y = qMax(area.top(), qMin(window->y(), area.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != window->pos())
        window->move(x, y);
}
