#include "dateformatdelegate.h"

#include "widgets/shownlanguage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDateTime>
#include <QHelpEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QStyle>
#include <QToolTip>

namespace {

// The room a view item keeps on each side of its text.
int textMargin(const QStyleOptionViewItem& option) {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

} // namespace

DateFormatDelegate::DateFormatDelegate(const QString& dateFormat, int colorColumn, QObject* parent)
    : QStyledItemDelegate(parent), m_dateFormat(dateFormat), m_colorColumn(colorColumn),
      m_shortFormat(
          QString(dateFormat).replace(QRegularExpression(QStringLiteral("(?<!d)dddd(?!d)")), QStringLiteral("ddd"))) {}

QString DateFormatDelegate::displayText(const QVariant& value, const QLocale& /*locale*/) const {
    // The day names of the program's language, whatever the machine's locale.
    return shownlanguage::locale().toString(value.toDateTime(), m_dateFormat);
}

QString DateFormatDelegate::shortText(const QVariant& value) const {
    return shownlanguage::locale().toString(value.toDateTime(), m_shortFormat);
}

int DateFormatDelegate::shortWidth(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem measured(option);
    QStyledItemDelegate::initStyleOption(&measured, index);
    return measured.fontMetrics.horizontalAdvance(shortText(index.data())) + 2 * textMargin(measured) + 8;
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
    initStyleOption(&colored, index);
    // A day name cut short would read as another word: the short form is shown whole instead.
    if (colored.fontMetrics.horizontalAdvance(colored.text) > colored.rect.width() - 2 * textMargin(colored))
        colored.text = shortText(index.data());
    const QStyle* style = colored.widget ? colored.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &colored, painter, colored.widget);
}

bool DateFormatDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid() || !index.data().toDateTime().isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), displayText(index.data(), {}), view, view->visualRect(index));
    return true;
}
