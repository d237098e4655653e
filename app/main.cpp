#include "CommandLineOptions.h"
#include "StartProgram.h"

int main(int argc, char* argv[])
{
    // --export, --help and --version run without a display and create no window.
    if (const auto status = HandleCommandLineOptions(argc, argv))
        return *status;
    return StartProgram(argc, argv);
}
