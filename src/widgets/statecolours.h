#pragma once

#include <QColor>
#include <QString>

// The colour of an appointment's state, the same in every list and grid: waiting red, present green; an
// absent or unknown state is not coloured (an invalid colour).
namespace statecolours {

inline QColor of(const QString& state) {
    if (state == QStringLiteral("En attente"))
        return QColor(255, 0, 0, 200);
    if (state == QStringLiteral("Présent"))
        return QColor(0, 255, 0, 200);
    return QColor();
}

} // namespace statecolours
