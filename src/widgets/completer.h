#pragma once

class QAbstractItemModel;
class QCompleter;
class QObject;

// A completion list as the forms have it: case-insensitive, wrapping around, on a model that is sorted
// case-sensitively, completing on the given column of the model; its popup in the forms' blue 14-point
// text unless plainPopup. The model may be set later. The completer belongs to parent.
QCompleter* makeCompleter(QAbstractItemModel* model, int column, QObject* parent, bool plainPopup = false);
