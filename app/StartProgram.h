#pragma once

#include <QStringList>

// The process entry: takes the file named by fileArguments (the command line after the
// options, joined), shows the main window and runs the program until it ends. Returns
// the exit status.
int StartProgram(int argc, char* argv[], const QStringList& fileArguments);
