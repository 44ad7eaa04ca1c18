#pragma once

#include <QString>
#include <QStringList>

// The patient search index: finds, among tens of thousands of patients, the few that may hold the typed
// words, so that the like filter runs on them alone.
namespace search {

// A condition on Patients.Num keeping every patient in which one of the searched columns contains all the
// words as the like operator reads them ('%' and '_' as wildcards, letter case ignored), and a few more
// besides: the caller's like filter decides. Without the medical history, the columns Antecedent_G and
// Antecedent_L are not searched. Empty when no word holds three characters in a row, which the index
// cannot narrow.
QString patientCandidates(const QStringList& words, bool withHistory);

} // namespace search
