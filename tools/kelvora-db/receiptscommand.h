#pragma once

#include <QStringList>

// kelvora-db receipts OFFICE --from DD-MM-YYYY --to DD-MM-YYYY [--doctor ID] --csv: the receipts of the period,
// by day and by patient, as CSV on the standard output.
int receiptsCommand(const QStringList& arguments);
