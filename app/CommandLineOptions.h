#pragma once

#include <optional>

// Handles the options that need no display. Returns the exit status when an option was
// handled, nothing when the arguments are the editor's normal command line.
std::optional<int> HandleCommandLineOptions(int argc, char* argv[]);
