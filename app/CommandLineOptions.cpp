#include "CommandLineOptions.h"

// Placeholder until the export options land.
std::optional<int> HandleCommandLineOptions(int, char*[])
{
    return std::nullopt;
}
