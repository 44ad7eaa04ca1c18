#include "widgets/completer.h"

#include "widgets/look.h"

#include <QAbstractItemView>
#include <QCompleter>

namespace {
const char popupColour[] = " color: rgb(85, 85, 255);";
} // namespace

QCompleter* makeCompleter(QAbstractItemModel* model, int column, QObject* parent, bool plainPopup) {
    auto* completer = new QCompleter(model, parent);
    completer->setCompletionColumn(column);
    completer->setModelSorting(QCompleter::CaseSensitivelySortedModel);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setWrapAround(true);
    if (!plainPopup)
        completer->popup()->setStyleSheet(look::fontRule(14) + QLatin1String(popupColour));
    return completer;
}
