#pragma once

#include <QStyledItemDelegate>

// Shows a date-time cell in a French format ("dddd dd-MM-yyyy HH:mm", ...) whatever the system locale, and
// colours it in its colour column: future green, today blue, past (or unreadable) red.
class DateFormatDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DateFormatDelegate(const QString& dateFormat, int colorColumn = -1, QObject* parent = nullptr);

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QString m_dateFormat;
    int m_colorColumn = -1;
};
