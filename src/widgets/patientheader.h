#pragma once

#include <QString>

class QLabel;
class QSqlRecord;

// The patient header of a window: the name, the age followed by ageSuffix (the window's own " ans") and the
// medical history as "general / local". A missing patient row (an empty record) leaves the values empty
// around the same fixed texts.
void showPatientHeader(const QSqlRecord& patient, const QString& ageSuffix, QLabel* name, QLabel* age, QLabel* history);
