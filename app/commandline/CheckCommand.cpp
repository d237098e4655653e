#include "CheckCommand.h"

#include "CommandLineFile.h"
#include "ContentRules.h"
#include "FoldMeasure.h"
#include "ListingCheck.h"
#include "ListingReport.h"

#include <QByteArray>
#include <QGuiApplication>

#include <memory>

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

// Where the store's page folds the fragment, when something stands below the fold.
QString foldLine(const Description& description, ListingTarget target, int profile)
{
    const FoldPlace place = MeasureFold(
        description, target == ListingTarget::Kindle ? PreviewTarget::Kindle : PreviewTarget::CreateSpace,
        FoldProfileAt(profile));
    if (!place.folds)
        return {};
    return ListingTargetName(target) + QStringLiteral(": above the fold (%1): ")
               .arg(QLatin1String(FoldProfileAt(profile).phrase)) + FoldAboveText(place, description) + u'\n';
}

// Laying text out takes fonts, and fonts a GUI application: one that opens no display. What
// Qt says while it starts (a missing runtime folder, say) is no part of the report.
std::unique_ptr<QGuiApplication> fontsWithoutDisplay()
{
    if (QCoreApplication::instance())
        return nullptr;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static char name[] = "quorvane", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static int argc = 3;
    return std::make_unique<QGuiApplication>(argc, argv);
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
    const int fold = FoldProfileFromSettings();
    const std::unique_ptr<QGuiApplication> fonts = FoldProfileAt(fold).folds() ? fontsWithoutDisplay() : nullptr;
    appendFragment(report, check.kindle);
    report += foldLine(*description, ListingTarget::Kindle, fold);
    appendFragment(report, check.createSpace);
    report += foldLine(*description, ListingTarget::CreateSpace, fold);
    if (!writeAll(out, report.toUtf8())) {
        writeAll(err, "quorvane: cannot write to standard output\n");
        return ExitFindings;
    }
    return check.clean() ? ExitClean : ExitFindings;
}
