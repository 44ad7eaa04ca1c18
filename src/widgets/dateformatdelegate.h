#pragma once

#include <QStyledItemDelegate>

// Shows a date-time cell in a fixed format ("dddd dd-MM-yyyy HH:mm", ...) with the day names of the program's
// language, and colours it in its colour column: future green, today blue, past (or unreadable) red. A cell
// too narrow for the whole day name shows its short form ("mer. 09-12-2026 10:30"); the tool tip always
// holds the whole date.
class DateFormatDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DateFormatDelegate(const QString& dateFormat, int colorColumn = -1, QObject* parent = nullptr);

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The text in the short form, and the width a cell needs to show it whole.
    QString shortText(const QVariant& value) const;
    int shortWidth(const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    QString m_dateFormat;
    int m_colorColumn = -1;
    QString m_shortFormat;
};
