#include "widgets/dateentry.h"

#include <QDateTimeEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QRegularExpression>

namespace {
// The format a field shows when it is not being typed into, kept on the field itself.
constexpr char shownFormatProperty[] = "kelvoraShownFormat";
} // namespace

void DateEntry::enable(QWidget* window) {
    auto* watcher = new DateEntry(window);
    for (QDateTimeEdit* field : window->findChildren<QDateTimeEdit*>()) {
        if (numericFormat(field->displayFormat()) == field->displayFormat())
            continue; // digits already go where they are typed
        field->installEventFilter(watcher);
        if (field->hasFocus())
            startTyping(field);
    }
}

QString DateEntry::numericFormat(const QString& format) {
    // Three or four d are a day name; one or two are the day's number.
    static const QRegularExpression dayName(QStringLiteral("(?<!d)dddd?(?!d)\\s*"));
    return QString(format).remove(dayName).trimmed();
}

void DateEntry::startTyping(QDateTimeEdit* field) {
    if (field->property(shownFormatProperty).isValid())
        return;
    const QString shown = field->displayFormat();
    field->setProperty(shownFormatProperty, shown);
    field->setDisplayFormat(numericFormat(shown));
}

void DateEntry::stopTyping(QDateTimeEdit* field) {
    const QVariant shown = field->property(shownFormatProperty);
    if (!shown.isValid())
        return;
    field->setProperty(shownFormatProperty, QVariant());
    field->setDisplayFormat(shown.toString());
}

bool DateEntry::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QDateTimeEdit*>(watched);
    if (field && event->type() == QEvent::FocusIn)
        startTyping(field);
    else if (field && event->type() == QEvent::FocusOut &&
             static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        stopTyping(field);
    return QObject::eventFilter(watched, event);
}
