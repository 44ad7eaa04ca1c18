#pragma once

// The program from start to end: translation, style, database connection, login and main window.
// Returns the process exit status.
int runKelvora(int& argc, char** argv);
