#pragma once

#include <QStringList>

// kelvora-db recall: prints the patients due back. Returns the process's exit status.
int recallCommand(const QStringList& arguments);
