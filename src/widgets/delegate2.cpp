#include "delegate2.h"

#include "widgets/shownlanguage.h"
#include "widgets/statecolours.h"

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
    const QColor colour = statecolours::of(state);
    if (colour.isValid())
        painter->fillRect(option.rect, colour);
    QStyledItemDelegate::paint(painter, centred, index);
}
