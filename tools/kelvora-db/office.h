#pragma once

#include <QString>

// What a new office database holds before anyone types into it.
namespace office {

// Fills the reference lists (acts with their default fees, reasons, diagnoses, prosthesis types,
// medicaments, medical history) on the open default connection. Returns an empty text or what went wrong.
QString fillReferenceLists();

// Adds the office's first user, a doctor who sees every doctor's amounts (role 1).
QString addFirstUser(const QString& name, const QString& password);

// Adds a demo office: more users (one of each role, but none named like the first user), patients, visits
// with acts and payments, and appointments around today.
QString fillDemo(const QString& firstUserName);

// Adds an office that has run for the given number of years: three doctors sharing the acts, two
// receptionists, about 2,500 patients, 10,000 visits, 25,000 acts and 5,000 appointments a year, the
// appointments booked up to two months ahead. With a number of surnames, the patients share that many
// surnames between them (families, and the common names of a town) rather than a wide variety.
QString fillYears(const QString& firstUserName, int years, int surnameCount = 0);

} // namespace office
