#include "widgets/compactbuttons.h"

#include <QAbstractButton>
#include <QEvent>

CompactButtons::CompactButtons(QObject* parent) : QObject(parent) {}

void CompactButtons::add(QAbstractButton* button) {
    entries.push_back({button, {}, {}, {}, {}});
    button->installEventFilter(this);
    if (compact)
        shrink(entries.back());
}

void CompactButtons::setCompact(bool on) {
    if (on == compact)
        return;
    compact = on;
    for (Entry& entry : entries)
        if (entry.button)
            on ? shrink(entry) : widen(entry);
}

// Setting a text replaces the button's shortcut by the text's mnemonic: the shortcut is kept and set again.
void CompactButtons::shrink(Entry& entry) {
    QAbstractButton* button = entry.button;
    entry.text = button->text();
    const QString tip = button->toolTip();
    entry.toolTip = tip == entry.textTip ? QString() : tip;
    entry.shortcut = button->shortcut();
    button->setText(QString());
    button->setShortcut(entry.shortcut);
    entry.textTip = entry.toolTip.isEmpty() ? QString(entry.text).remove(QLatin1Char('&')).trimmed() : QString();
    if (!entry.textTip.isEmpty())
        button->setToolTip(entry.textTip);
}

void CompactButtons::widen(Entry& entry) {
    QAbstractButton* button = entry.button;
    button->setText(entry.text);
    button->setShortcut(entry.shortcut);
    button->setToolTip(entry.toolTip);
    entry.textTip.clear();
}

bool CompactButtons::eventFilter(QObject* watched, QEvent* event) {
    // The form has set its texts again, in the new language, before the button hears of the change.
    if (compact && event->type() == QEvent::LanguageChange)
        for (Entry& entry : entries)
            if (entry.button == watched && !entry.button->text().isEmpty())
                shrink(entry);
    return QObject::eventFilter(watched, event);
}
