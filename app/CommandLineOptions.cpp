#include "CommandLineOptions.h"

#include "AppInfo.h"
#include "CheckCommand.h"
#include "DescriptionFile.h"
#include "HtmlGenerators.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

const char* const Usage =
    "Usage: quorvane [FILE]\n"
    "       quorvane --export kindle|createspace FILE\n"
    "       quorvane --check FILE\n"
    "       quorvane --help | --version\n"
    "\n"
    "Quorvane edits the sales description of a book; FILE is a .qvn description to open.\n"
    "\n"
    "  --export kindle FILE       print the Kindle HTML of FILE to standard output\n"
    "  --export createspace FILE  print the CreateSpace HTML of FILE to standard output\n"
    "  --check FILE               check both fragments of FILE against the store's 4,000\n"
    "                             characters and its accepted tags; exit 0 when all is\n"
    "                             well, 1 with findings, 2 when FILE cannot be read\n"
    "  --help                     show this help\n"
    "  --version                  show the program's name and version\n";

bool writeAll(std::FILE* stream, const QByteArray& bytes)
{
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream) ==
               static_cast<size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

int usageError()
{
    std::fputs(Usage, stderr);
    return ExitUsage;
}

// Prints one fragment of the file, byte for byte. The loader's messages go to standard
// error: no message handler is installed here, so ShowMessage prints them.
int exportFragment(const char* target, const char* file)
{
    QString (*generate)(const Description&) = nullptr;
    if (std::strcmp(target, "kindle") == 0)
        generate = GenerateKindleHTML;
    else if (std::strcmp(target, "createspace") == 0)
        generate = GenerateCreatespaceHTML;
    else
        return usageError();

    const QString path = QFile::decodeName(file);
    if (path.isEmpty())
        return usageError();
    // Read without loading: an export opens no document and remembers no recent file.
    const std::optional<Description> description = ReadDescriptionFile(path);
    if (!description)
        return ExitFailed;
    if (!writeAll(stdout, generate(*description).toUtf8())) {
        std::fputs("quorvane: cannot write to standard output\n", stderr);
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

std::optional<int> HandleCommandLineOptions(int argc, char* argv[])
{
    if (argc < 2)
        return std::nullopt;
    const char* option = argv[1];
    if (std::strcmp(option, "--help") == 0) {
        std::fputs(Usage, stdout);
        return ExitOk;
    }
    if (std::strcmp(option, "--version") == 0) {
        const QByteArray line = (AppInfo::Title() + QLatin1Char(' ') + AppInfo::VersionNumbers() + '\n').toUtf8();
        return writeAll(stdout, line) ? ExitOk : ExitFailed;
    }
    if (std::strcmp(option, "--export") == 0)
        return argc == 4 ? exportFragment(argv[2], argv[3]) : usageError();
    if (std::strcmp(option, "--check") == 0)
        return argc == 3 && *argv[2] ? RunCheckCommand(QFile::decodeName(argv[2]), stdout, stderr) : usageError();
    return std::nullopt;
}
