#include "data/trace.h"

Q_LOGGING_CATEGORY(lcTrace, "kelvora.trace", QtInfoMsg)
