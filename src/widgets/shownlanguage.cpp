#include "widgets/shownlanguage.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTimeEdit>

namespace shownlanguage {

namespace {

const char* const storedWords[] = {
    QT_TRANSLATE_NOOP("StoredWords", "SOINS"),   QT_TRANSLATE_NOOP("StoredWords", "PROTHESE"),
    QT_TRANSLATE_NOOP("StoredWords", "TOUS"),    QT_TRANSLATE_NOOP("StoredWords", "En attente"),
    QT_TRANSLATE_NOOP("StoredWords", "Présent"), QT_TRANSLATE_NOOP("StoredWords", "Absent"),
};

} // namespace

QLocale locale() {
    return QLocale(QCoreApplication::translate("ShownLanguage", "fr_FR",
                                               "locale of the program's language: day names, calendars"));
}

QString storedWord(const QString& word) {
    for (const char* stored : storedWords)
        if (word == QString::fromUtf8(stored))
            return QCoreApplication::translate("StoredWords", stored);
    return word;
}

void applyLocale(QWidget* window) {
    const QLocale shown = locale();
    for (QDateTimeEdit* field : window->findChildren<QDateTimeEdit*>())
        field->setLocale(shown);
    for (QCalendarWidget* calendar : window->findChildren<QCalendarWidget*>()) {
        // The week starts on the day the form chose, whatever the language.
        const Qt::DayOfWeek firstDay = calendar->firstDayOfWeek();
        calendar->setLocale(shown);
        calendar->setFirstDayOfWeek(firstDay);
    }
}

} // namespace shownlanguage
