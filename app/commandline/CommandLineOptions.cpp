#include "CommandLineOptions.h"

#include "AppInfo.h"
#include "CheckCommand.h"
#include "CommandLineFile.h"
#include "HtmlGenerators.h"
#include "ImportCommand.h"
#include "ListingCheck.h"
#include "ListingReport.h"
#include "OneLineText.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <iterator>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Thrown by an option whose operands make no sense; main prints it with the usage.
struct UsageError {
    QString message;
};

int runExport(const QStringList& operands);
int runCheck(const QStringList& operands);
int runImport(const QStringList& operands);
int runHelp(const QStringList& operands);
int runVersion(const QStringList& operands);

struct Option {
    const char* name;
    const char* shortName;  // nullptr when there is none
    const char* operandText;
    int operandCount;
    const char* help;
    int (*run)(const QStringList& operands);
};

// Every option of the program; the usage text is built from this table.
const Option Options[] = {
    {"--export", nullptr, "kindle|createspace FILE", 2, "write FILE's HTML to standard output", runExport},
    {"--check", nullptr, "FILE", 1, "check FILE's HTML against the store's limits", runCheck},
    {"--import", nullptr, "HTML NEW.qvn", 2, "bring an HTML description in as the new file NEW.qvn", runImport},
    {"--help", "-h", "", 0, "show this help", runHelp},
    {"--version", "-v", "", 0, "show the program's name and version", runVersion},
};

QByteArray usage()
{
    QByteArray text = "Usage: quorvane [[--] FILE]\n";
    for (const Option& option : Options) {
        text += "       quorvane ";
        if (option.shortName)
            text += QByteArray(option.shortName) + '|';
        text += option.name;
        if (*option.operandText)
            text += ' ' + QByteArray(option.operandText);
        text += '\n';
    }
    text += "\nQuorvane edits the sales description of a book; FILE is a .qvn description to open\n"
            "(after \"--\" when its name begins with \"-\").\n\n";
    for (const Option& option : Options) {
        QByteArray names = option.shortName ? QByteArray(option.shortName) + ", " + option.name : "    " + QByteArray(option.name);
        if (*option.operandText)
            names += ' ' + QByteArray(option.operandText);
        text += "  " + names.leftJustified(38) + ' ' + option.help + '\n';
    }
    text += "\nExit status: 0 done, 1 the file could not be used or there is no display,\n"
            "2 the command line was wrong; --check: 1 with findings, 2 when FILE cannot be read;\n"
            "--import: 2 when NEW.qvn already exists.\n";
    return text;
}

bool writeAll(std::FILE* stream, const QByteArray& bytes)
{
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream) ==
               static_cast<size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

void printError(const QString& text)
{
    writeAll(stderr, ("quorvane: " + OneLineText(text) + '\n').toLocal8Bit());
}

int usageError(const QString& text)
{
    printError(text);
    writeAll(stderr, usage());
    return ExitUsage;
}

int runExport(const QStringList& operands)
{
    QString (*generate)(const Description&) = nullptr;
    ListingTarget target = ListingTarget::Kindle;
    if (operands[0] == QLatin1String("kindle")) {
        generate = GenerateKindleHTML;
    } else if (operands[0] == QLatin1String("createspace")) {
        generate = GenerateCreatespaceHTML;
        target = ListingTarget::CreateSpace;
    } else
        throw UsageError{QStringLiteral("--export: unknown target '%1' (kindle or createspace)").arg(operands[0])};
    if (operands[1].isEmpty())
        throw UsageError{QStringLiteral("--export: the file name is empty")};

    // Read without loading: an export opens no document and remembers no recent file.
    const std::optional<Description> description = ReadCommandLineDescription(operands[1], stderr);
    if (!description)
        return ExitFailed;
    qsizetype leftOut = 0;
    if (!writeAll(stdout, TerminalSafeHtml(generate(*description), &leftOut).toUtf8())) {
        printError(QStringLiteral("cannot write to standard output"));
        return ExitFailed;
    }
    // What the check finds in this fragment, as warnings: the output stays exactly the HTML.
    for (const QString& finding : FragmentFindingLines(CheckFragment(*description, target, ContentRulesFromSettings())))
        printError(QStringLiteral("warning: ") + finding);
    if (leftOut > 0)
        printError(QStringLiteral("warning: %1 left out of the HTML")
                       .arg(leftOut == 1 ? QStringLiteral("1 control character")
                                         : QStringLiteral("%1 control characters").arg(GroupedNumber(leftOut))));
    return ExitOk;
}

int runCheck(const QStringList& operands)
{
    if (operands[0].isEmpty())
        throw UsageError{QStringLiteral("--check: the file name is empty")};
    return RunCheckCommand(operands[0], stdout, stderr);
}

int runImport(const QStringList& operands)
{
    if (operands[0].isEmpty() || operands[1].isEmpty())
        throw UsageError{QStringLiteral("--import: a file name is empty")};
    return RunImportCommand(operands[0], operands[1], stderr);
}

int runHelp(const QStringList&)
{
    return writeAll(stdout, usage()) ? ExitOk : ExitFailed;
}

int runVersion(const QStringList&)
{
    const QByteArray line = (AppInfo::Title() + QLatin1Char(' ') + AppInfo::VersionNumbers() + '\n').toUtf8();
    return writeAll(stdout, line) ? ExitOk : ExitFailed;
}

const Option* findOption(const QString& argument)
{
    for (const Option& option : Options)
        if (argument == QLatin1String(option.name) || (option.shortName && argument == QLatin1String(option.shortName)))
            return &option;
    return nullptr;
}

} // namespace

CommandLineRequest HandleCommandLineOptions(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    if (arguments.isEmpty())
        return {};

    const QString& first = arguments.first();
    if (first == QLatin1String("--"))
        return {std::nullopt, arguments.mid(1)};
    // A lone "-" is a name like any other. Only the first argument can be an option:
    // the rest of an unquoted path with blanks may begin with "-".
    if (!first.startsWith(QLatin1Char('-')) || first.size() == 1)
        return {std::nullopt, arguments};

    const Option* option = findOption(first);
    if (!option)
        return {usageError(QStringLiteral("unknown option '%1'").arg(first)), {}};
    const QStringList operands = arguments.mid(1);
    if (operands.size() != option->operandCount) {
        const QString wanted = *option->operandText ? QStringLiteral("takes %1").arg(QLatin1String(option->operandText))
                                                    : QStringLiteral("takes nothing after it");
        return {usageError(QStringLiteral("%1 %2").arg(QLatin1String(option->name), wanted)), {}};
    }
    try {
        return {option->run(operands), {}};
    } catch (const UsageError& error) {
        return {usageError(error.message), {}};
    }
}
