#include "delegate.h"

Delegate::Delegate(QObject* parent) : AmountDelegate(parent) {}

void Delegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem colored(option);
    // Text that is not a whole number counts as settled.
    const int balance = index.data(Qt::DisplayRole).toString().toInt();
    const QColor color = balance > 0 ? QColor(Qt::red) : balance == 0 ? QColor(Qt::green) : QColor(Qt::blue);
    colored.palette.setBrush(QPalette::All, QPalette::Text, QBrush(color));
    AmountDelegate::paint(painter, colored, index);
}
