#pragma once

#include <QStyledItemDelegate>

// Paints an appointment cell's background by the row's state (column 2): waiting red, present green.
class Delegate2 : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit Delegate2(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
