#pragma once

#include <QString>

class QObject;
class QStringListModel;
class QWidget;

// A completion list read from a word-list file, one entry a line, in file order, without entries that differ
// only in letter case. With trailingBlank, every entry carries one blank at its end, so that choosing a
// completion leaves the cursor after a separating blank. A file that is valid UTF-8 is read as UTF-8, any
// other as Latin-1 (the lists shipped with the program). A missing file gives an empty list.
// The model belongs to parent.
QStringListModel* loadWordList(QWidget* owner, const QString& path, QObject* parent, bool trailingBlank = false);
