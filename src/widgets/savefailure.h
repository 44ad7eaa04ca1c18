#pragma once

#include "data/loadedrow.h"
#include "data/sql.h"

#include <QStringList>

class QLabel;
class QWidget;

// Plain words for a save or a deletion that wrote nothing. The caller keeps its form open with what was
// typed, so that the user can try again.
namespace savefailure {

// Says why a save wrote nothing: another workstation holds the database, changed the row meanwhile (the
// form then shows what is stored, with `stored` listing the values that replace what the user typed over),
// or the engine refused. Nothing is shown for a save that was written. Returns whether it was written.
bool report(QWidget* parent, sql::Outcome outcome, const QStringList& stored = {});

// After a save found its row changed by another workstation: brings what is stored now into the form
// (the user's typing stays, see LoadedRow::takeStored) and says so, or says `deletedText` when the row is gone.
void reportChanged(QWidget* parent, LoadedRow& row, const QString& table, const QString& keyColumn, const QVariant& key,
                   const QString& deletedText);

// A field's name as its label on the form shows it, without the shortcut mark and the closing colon: for
// LoadedRow::addField.
LoadedRow::Label labelOf(const QLabel* label);

// The same for a deletion.
bool reportDeletion(QWidget* parent, sql::Outcome outcome);

} // namespace savefailure
