#pragma once

#include "data/listmodel.h"
#include <QFont>
#include <QSqlRecord>

#include "widgets/look.h"

// Small helpers the main window's lists share.
namespace listcolumns {

// The position of a named column of a table model (-1 when the view has no such column).
inline int of(const ListModel* model, const char* name) {
    return model->record().indexOf(QLatin1String(name));
}

// The font of the lists' headers.
inline QFont headerFont() {
    QFont font(QString::fromLatin1(look::fontFamily));
    font.setPointSize(14);
    return font;
}

} // namespace listcolumns
