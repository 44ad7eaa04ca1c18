#include "delegate2.h"

#include "widgets/shownlanguage.h"

#include <QPainter>

Delegate2::Delegate2(QObject* parent) : QStyledItemDelegate(parent) {}

QString Delegate2::displayText(const QVariant& value, const QLocale& locale) const {
    return shownlanguage::storedWord(QStyledItemDelegate::displayText(value, locale));
}

void Delegate2::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem centred(option);
    centred.displayAlignment = Qt::AlignCenter;
    // The appointment state is in column 2 of the row, whichever column this delegate paints.
    const QString state = index.sibling(index.row(), 2).data(Qt::DisplayRole).toString();
    if (state == QStringLiteral("En attente"))
        painter->fillRect(option.rect, QColor(255, 0, 0, 200));
    else if (state == QStringLiteral("Présent"))
        painter->fillRect(option.rect, QColor(0, 255, 0, 200));
    QStyledItemDelegate::paint(painter, centred, index);
}
