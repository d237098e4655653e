#pragma once

#include <QStringList>

#include <optional>

// What the command line asks for, decided before any window exists.
struct CommandLineRequest {
    // Set when an option ran (or the command line was wrong): the process ends with it.
    std::optional<int> exitStatus;
    // Otherwise the editor starts with these arguments as its file (after "--", if given).
    QStringList fileArguments;
};

// Runs the options that need no display (--export, --help, --version); reports an unknown
// option or wrong operands with a one-line error and the usage (exit status 2).
CommandLineRequest HandleCommandLineOptions(int argc, char* argv[]);
