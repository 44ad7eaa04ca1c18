#pragma once

#include <QString>
#include <QStringList>

// The search indexes: they find, among tens of thousands of rows, the few that may hold the typed text, so
// that the like filter of a list runs on them alone. Each function gives a condition that keeps every row
// the like filter keeps and a few more besides; the caller's like filter decides. An empty condition means
// that the index cannot narrow the search (no three characters in a row, or an office on a server); the
// like filter alone is then the whole filter.
namespace search {

// The words of a typed search, split at every blank (consecutive blanks give empty words, which match
// everything), NUL characters left out. Only the first maxWords count: a long pasted text searches on its
// beginning, which is what a user means by it, and keeps the statement within what an engine reads.
constexpr int maxWords = 16;
QStringList typedWords(const QString& typed);

// A condition on Patients.Num keeping every patient in which one of the searched columns contains all the
// words as the like operator reads them ('%' and '_' as wildcards, letter case ignored). Without the
// medical history, the columns Antecedent_G and Antecedent_L are not searched.
QString patientCandidates(const QStringList& words, bool withHistory);

// A condition on VisiteNum keeping every visit whose patient's name, reason, diagnosis, prosthesis type or
// date-time (in either form a user reads, '-' or '/' between its numbers) contains the typed text. Empty
// too when the text is found in so many visits that the list, read in its order, fills its first page
// sooner without the index.
QString visitCandidates(const QString& typed);

// A condition on RVNum keeping every appointment whose patient's name, treatment or state contains the
// typed text; empty as for the visits.
QString appointmentCandidates(const QString& typed);

} // namespace search
