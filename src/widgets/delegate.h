#pragma once

#include "widgets/listcells.h"

// Colours a balance by its sign: owed (above 0) red, settled (0) green, overpaid (below 0) blue; shown as
// every amount is, right-aligned and never cut silently.
class Delegate : public AmountDelegate {
    Q_OBJECT
public:
    explicit Delegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
