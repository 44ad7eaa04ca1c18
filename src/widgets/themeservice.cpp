#include "widgets/themeservice.h"

namespace themeservice {

namespace {

ThemeName& givenTheme() {
    static ThemeName theme;
    return theme;
}

} // namespace

bool isAppThemed() {
    return !givenTheme().fileName.isEmpty();
}

ThemeName currentTheme() {
    return givenTheme();
}

void setTheme(const QString& fileName, const QString& colorName) {
    givenTheme() = ThemeName{fileName, fileName.isEmpty() ? QString() : colorName};
}

} // namespace themeservice
