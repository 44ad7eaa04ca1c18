#pragma once

#include <QStyledItemDelegate>

class QTableView;

// An amount cell: right-aligned, so that the units stand under each other, and never wrapped nor cut
// silently. A column too narrow for its amount shows "…" in it: a clipped 1000 must not read as 100.
class AmountDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit AmountDelegate(QObject* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// A cell that holds one of the words the rows store (a visit type, an appointment state), shown in the
// program's language; the model, its filters and its sort keep the stored word.
class StoredWordDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit StoredWordDelegate(QObject* parent = nullptr);
    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

namespace listcells {

// Whether a column of that name holds amounts (fees, payments, balances and their sums).
bool isAmountColumn(const QString& name);

// Gives the amount columns and the stored-word columns of the view's model their delegate, where the view
// has none of its own for that column yet.
void apply(QTableView* view);

} // namespace listcells
