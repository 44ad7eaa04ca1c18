#pragma once

#include <QString>

// The receipts per patient of one doctor.
namespace receipts {

// Whether the doctor has so few acts that his lists are best read from his own acts; with many, vPatient
// read in the order of the names fills its first page sooner.
bool hasFewActs(int doctor);

// The rows of vPatient for that doctor (same columns), read from his own acts, as a table expression for a
// list.
QString patientsOfDoctor(int doctor);

// The rows of Query for that doctor (same columns), as a table expression for a list: the office file reads
// them from its daily sums; empty on a server, whose index on the doctor serves Query itself.
QString daysOfDoctor(int doctor);

} // namespace receipts
