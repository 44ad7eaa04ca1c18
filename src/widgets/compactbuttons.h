#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QAbstractButton;

// Buttons that show their icon alone while their window is too narrow for their texts: the text moves to the
// tool tip (unless the button has one), the shortcut stays. A text the form sets again while they are compact,
// after a language change, is kept for when the window widens.
class CompactButtons : public QObject {
    Q_OBJECT

public:
    explicit CompactButtons(QObject* parent);

    void add(QAbstractButton* button);
    void setCompact(bool compact);
    bool isCompact() const { return compact; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QAbstractButton> button;
        QString text;
        QString toolTip;
        QString textTip; // the tool tip made of the text, while compact
        QKeySequence shortcut;
    };
    static void shrink(Entry& entry);
    static void widen(Entry& entry);

    std::vector<Entry> entries;
    bool compact = false;
};
