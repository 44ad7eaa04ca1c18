#pragma once

#include <QString>

// The look shared by the windows: the office's font family and the way dates are shown.
namespace look {

// The family of the office's fonts (the forms name it too).
inline constexpr char fontFamily[] = "Times New Roman";

// Dates in the lists and fields, with the day's name.
inline constexpr char dateTimeFormat[] = "dddd dd-MM-yyyy HH:mm";

// The rows a list measures when it fits its columns to their contents: a screenful and a little more. A page
// of hundreds of found rows measured in full takes longer than the search that found them.
inline constexpr int measuredRows = 40;

// A style sheet's font rule in that family, for example: font: 14pt "Times New Roman";
inline QString fontRule(int points) {
    return QStringLiteral("font: %1pt \"%2\";").arg(points).arg(QLatin1String(fontFamily));
}

} // namespace look
