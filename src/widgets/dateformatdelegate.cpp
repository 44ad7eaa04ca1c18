#include "dateformatdelegate.h"

#include <QDateTime>
#include <QLocale>

DateFormatDelegate::DateFormatDelegate(const QString& dateFormat, int colorColumn, QObject* parent)
    : QStyledItemDelegate(parent), m_dateFormat(dateFormat), m_colorColumn(colorColumn) {}

QString DateFormatDelegate::displayText(const QVariant& value, const QLocale& /*locale*/) const {
    // The office reads its dates in French, whatever the machine's locale.
    return QLocale(QLocale::French, QLocale::France).toString(value.toDateTime(), m_dateFormat);
}

void DateFormatDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem colored(option);
    colored.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (m_colorColumn != -1 && index.column() == m_colorColumn) {
        const QDate day = index.data().toDateTime().date();
        const QDate today = QDate::currentDate();
        QColor color = Qt::red; // past, or no readable date
        if (day.isValid() && day > today)
            color = QColor(0, 200, 0);
        else if (day.isValid() && day == today)
            color = Qt::blue;
        colored.palette.setBrush(QPalette::All, QPalette::Text, QBrush(color));
    }
    QStyledItemDelegate::paint(painter, colored, index);
}
