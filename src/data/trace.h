#pragma once

#include <QLoggingCategory>

// The windows' trace lines (filters, current patient, chosen rows) name patients and carry what users
// typed: they are written only when a developer turns the category on
// (QT_LOGGING_RULES="kelvora.trace.debug=true"). Failures are warnings and always written, without values.
Q_DECLARE_LOGGING_CATEGORY(lcTrace)
