#pragma once

#include <QSqlRecord>

// Rows that many windows read: each is read by one short statement and handed over as a record, so that
// no window keeps a query open on the database.
namespace records {

// The row of table user for this identifier; an empty record (no fields) when there is none.
QSqlRecord user(int userId);

// The row of table Patients for this number; an empty record (no fields) when there is none.
QSqlRecord patient(int patientNum);

// The patient with the highest number, the one entered last; an empty record when there is none.
QSqlRecord newestPatient();

} // namespace records
