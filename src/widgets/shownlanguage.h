#pragma once

#include <QLocale>
#include <QString>

class QWidget;

// What the screens show follows the program's language (the installed catalogue); what is stored stays in
// French: the visit types and appointment states are the very words the rows hold and the filters compare.
namespace shownlanguage {

// The locale of the program's language, for day and month names and calendars (French without a catalogue).
QLocale locale();

// A stored visit type ("SOINS", "PROTHESE", "TOUS") or appointment state ("En attente", "Présent",
// "Absent") as the screens show it; any other text is shown as it stands.
QString storedWord(const QString& word);

// Gives every date field and calendar of the window the program's locale (the forms set French).
void applyLocale(QWidget* window);

} // namespace shownlanguage
