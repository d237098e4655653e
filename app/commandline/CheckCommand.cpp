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

QString lengthLine(const FragmentCheck& check)
{
    QString line = ListingTargetName(check.target) + QStringLiteral(": ") + LengthAgainstLimit(check.length);
    if (!check.fits())
        line += QStringLiteral(" (%1 over)").arg(GroupedNumber(check.length - ListingLengthLimit));
    return line + QLatin1Char('\n');
}

// "Kindle: ", "Print: " or "Kindle and Print: ": the fragments the section goes into, so that
// a finding both share is named once.
QString targets(SectionIndex section)
{
    const bool kindle = SectionGoesInto(section, ListingTarget::Kindle);
    const bool print = SectionGoesInto(section, ListingTarget::CreateSpace);
    const QString kindleName = ListingTargetName(ListingTarget::Kindle);
    const QString printName = ListingTargetName(ListingTarget::CreateSpace);
    return (kindle && print ? kindleName + QStringLiteral(" and ") + printName : kindle ? kindleName : printName) +
           QStringLiteral(": ");
}

// Written as it is made: a description with a million findings is never held as text.
class Report {
public:
    explicit Report(std::FILE* out) : m_out(out) {}
    void add(const QString& line)
    {
        m_text += line;
        if (m_text.size() >= 1 << 16)
            flush();
    }
    bool flush()
    {
        m_ok = m_ok && writeAll(m_out, m_text.toUtf8());
        m_text.clear();
        return m_ok;
    }

private:
    std::FILE* m_out;
    QString m_text;
    bool m_ok = true;
};

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
    const int fold = FoldProfileFromSettings();
    const std::unique_ptr<QGuiApplication> fonts = FoldProfileAt(fold).folds() ? fontsWithoutDisplay() : nullptr;
    Report report(out);
    report.add(lengthLine(check.kindle));
    report.add(foldLine(*description, ListingTarget::Kindle, fold));
    report.add(lengthLine(check.createSpace));
    report.add(foldLine(*description, ListingTarget::CreateSpace, fold));
    for (const TagFinding& finding : check.tagFindings)
        report.add(targets(finding.section) + FindingText(finding) + QLatin1Char('\n'));
    for (const ControlCharacterFinding& finding : check.controlCharacterFindings)
        report.add(targets(finding.section) + FindingText(finding) + QLatin1Char('\n'));
    std::array<qsizetype, SectionCount> shown{};
    for (const ContentFinding& finding : check.contentFindings) {
        report.add(targets(finding.section) + FindingText(finding) + QLatin1Char('\n'));
        ++shown[static_cast<size_t>(finding.section)];
    }
    for (const SectionInfo& section : SectionTable) {
        const qsizetype more = check.sectionContentCounts[section.index] - shown[section.index];
        if (more > 0)
            report.add(targets(section.index) + QString::fromLatin1(section.caption).trimmed() + QStringLiteral(": ") +
                       MoreContentFindingsText(more) + QLatin1Char('\n'));
    }
    if (!report.flush()) {
        writeAll(err, "quorvane: cannot write to standard output\n");
        return ExitFindings;
    }
    return check.clean() ? ExitClean : ExitFindings;
}
