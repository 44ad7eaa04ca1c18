#pragma once

class QAbstractItemModel;

// Gives each column of a list the title of the database column it shows, in the program's language (French
// source texts with their English entries); a column the table does not know keeps its name. Call it once the
// model has its table, and again when the language changes: the database names stay under the header's
// Qt::UserRole, so the titles can be looked up again.
void setColumnTitles(QAbstractItemModel* model);
