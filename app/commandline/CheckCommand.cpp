#include "CheckCommand.h"

#include "CommandLineFile.h"
#include "ContentRules.h"
#include "ListingCheck.h"
#include "ListingReport.h"

#include <QByteArray>

namespace {

constexpr int ExitClean = 0;
constexpr int ExitFindings = 1;
constexpr int ExitUnreadable = 2;

bool writeAll(std::FILE* stream, const QByteArray& bytes)
{
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream) ==
               static_cast<size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

void appendFragment(QString& report, const FragmentCheck& check)
{
    const QString target = ListingTargetName(check.target) + QStringLiteral(": ");
    report += target + LengthAgainstLimit(check.length);
    if (!check.fits())
        report += QStringLiteral(" (%1 over)").arg(GroupedNumber(check.length - ListingLengthLimit));
    report += QLatin1Char('\n');
    for (const QString& line : SectionFindingLines(check))
        report += target + line + QLatin1Char('\n');
}

} // namespace

int RunCheckCommand(const QString& path, std::FILE* out, std::FILE* err)
{
    // Read without loading: a check opens no document and remembers no recent file.
    const std::optional<Description> description = ReadCommandLineDescription(path, err);
    if (!description)
        return ExitUnreadable;

    const ListingCheck check = CheckListing(*description, ContentRulesFromSettings());
    QString report;
    appendFragment(report, check.kindle);
    appendFragment(report, check.createSpace);
    if (!writeAll(out, report.toUtf8())) {
        writeAll(err, "quorvane: cannot write to standard output\n");
        return ExitFindings;
    }
    return check.clean() ? ExitClean : ExitFindings;
}
