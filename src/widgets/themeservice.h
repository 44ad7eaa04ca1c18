#pragma once

#include <QString>

// The desktop's visual-theme service as the style sees it: is a theme active, and which one. This platform has
// no such service, so no theme is reported and the style stays classic, unless a theme was given by setTheme()
// (which lets the colour sets of the themed desktops be checked here too).
namespace themeservice {

struct ThemeName {
    QString fileName;  // the theme file, for example ".../Luna/Luna.msstyles"
    QString colorName; // the colour scheme of that file, for example "HomeStead"
};

bool isAppThemed();
ThemeName currentTheme();

// An empty file name means no theme again.
void setTheme(const QString& fileName, const QString& colorName);

} // namespace themeservice
