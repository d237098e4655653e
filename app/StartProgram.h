#pragma once

// The process entry: takes the file named on the command line, shows the main window
// and runs the program until it ends. Returns the exit status.
int StartProgram(int argc, char* argv[]);
