#include "widgets/columnfit.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <QVariant>

namespace columnfit {

namespace {
const char fittedProperty[] = "kelvoraColumnsFitted";
} // namespace

bool fitOnce(QTableView* view) {
    if (view->property(fittedProperty).toBool())
        return false;
    view->resizeColumnsToContents();
    // An empty list measures only its titles: it is fitted again once it has rows.
    if (view->model() && view->model()->rowCount() > 0)
        view->setProperty(fittedProperty, true);
    return true;
}

void refit(QTableView* view) {
    view->setProperty(fittedProperty, false);
}

} // namespace columnfit
