#include "widgets/listcells.h"

#include "widgets/shownlanguage.h"

#include <QAbstractItemModel>
#include <QTableView>

#include <iterator>

AmountDelegate::AmountDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void AmountDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    // A wrapped number is cut at the cell's edge without a mark; on one line the style elides it.
    option->features &= ~QStyleOptionViewItem::WrapText;
    option->textElideMode = Qt::ElideLeft;
}

StoredWordDelegate::StoredWordDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QString StoredWordDelegate::displayText(const QVariant& value, const QLocale& locale) const {
    return shownlanguage::storedWord(QStyledItemDelegate::displayText(value, locale));
}

namespace listcells {

namespace {
const char* const amountColumns[] = {"Frais", "Payement", "Reste", "SommeDeFrais", "SommeDePayement", "FraisProthese"};
const char* const storedWordColumns[] = {"Type", "Etat"};

bool named(const QString& name, const char* const* names, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (name.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

bool isAmountColumn(const QString& name) {
    return named(name, amountColumns, std::size(amountColumns));
}

void apply(QTableView* view) {
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->itemDelegateForColumn(column))
            continue;
        // The database name of the column: kept under the header once the titles are shown.
        QString name = model->headerData(column, Qt::Horizontal, Qt::UserRole).toString();
        if (name.isEmpty())
            name = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        if (isAmountColumn(name))
            view->setItemDelegateForColumn(column, new AmountDelegate(view));
        else if (named(name, storedWordColumns, std::size(storedWordColumns)))
            view->setItemDelegateForColumn(column, new StoredWordDelegate(view));
    }
}

} // namespace listcells
