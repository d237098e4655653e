#include "CommandLineOptions.h"
#include "PerfMark.h"
#include "StartProgram.h"

int main(int argc, char* argv[])
{
    PerfMark::mark("main_entered");
    // The options run without a display and create no window.
    const CommandLineRequest request = HandleCommandLineOptions(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    return StartProgram(argc, argv, request.fileArguments);
}
