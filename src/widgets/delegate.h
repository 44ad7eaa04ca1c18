#pragma once

#include <QStyledItemDelegate>

// Colours a balance by its sign: owed (above 0) red, settled (0) green, overpaid (below 0) blue.
class Delegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit Delegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
