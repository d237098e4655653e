#include "ListingReport.h"

#include "HtmlGenerators.h"
#include "OneLineText.h"

#include <limits>

namespace {

QString caption(SectionIndex section)
{
    return QString::fromLatin1(SectionTable[static_cast<size_t>(section)].caption).trimmed();
}

QString tooLong(const FragmentCheck& check)
{
    return QStringLiteral("%1 characters, %2 more than the store's %3")
        .arg(GroupedNumber(check.length), GroupedNumber(check.length - ListingLengthLimit),
             GroupedNumber(ListingLengthLimit));
}

} // namespace

QString GroupedNumber(qsizetype number)
{
    QString digits = QString::number(number < 0 ? -number : number);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

QString ListingTargetName(ListingTarget target)
{
    return target == ListingTarget::Kindle ? QStringLiteral("Kindle") : QStringLiteral("Print");
}

QString LengthAgainstLimit(qsizetype length)
{
    return GroupedNumber(length) + QStringLiteral(" / ") + GroupedNumber(ListingLengthLimit);
}

QString FindingText(const TagFinding& finding)
{
    // Names come from the file: a terminal or a list shows them, never obeys them.
    const QString name = OneLineText(finding.name);
    const QString inner = OneLineText(finding.inner);
    QString what;
    switch (finding.problem) {
    case TagProblem::NotAccepted:
        what = QStringLiteral("<%1> is not a tag the store accepts").arg(name);
        break;
    case TagProblem::NotOpened:
        what = QStringLiteral("</%1> closes a tag that is not open").arg(name);
        break;
    case TagProblem::LeftOpen:
        what = QStringLiteral("<%1> is not closed").arg(name);
        break;
    case TagProblem::MisNested:
        what = QStringLiteral("</%1> closes <%1> while <%2> inside it is still open").arg(name, inner);
        break;
    case TagProblem::Unfinished:
        what = QStringLiteral("<%1 has no closing >").arg(name);
        break;
    case TagProblem::BrokenByLineBreak:
        what = QStringLiteral("<%1> is broken by a line break").arg(name);
        break;
    case TagProblem::OpenAtLineEnd:
        what = QStringLiteral("<%1> is still open at the end of line %2; each line is its own bullet")
                   .arg(name)
                   .arg(finding.line);
        break;
    case TagProblem::EmptyLine:
        what = QStringLiteral("line %1 is empty and makes an empty bullet").arg(finding.line);
        break;
    }
    return caption(finding.section) + QStringLiteral(": ") + what;
}

QString FindingText(const ControlCharacterFinding& finding)
{
    const QString times = finding.count == 1 ? QStringLiteral("once")
                                             : QStringLiteral("%1 times").arg(GroupedNumber(finding.count));
    const QString code = QStringLiteral("%1").arg(int(finding.character), 4, 16, QLatin1Char('0')).toUpper();
    return caption(finding.section) +
           QStringLiteral(": control character U+%1 (%2) appears %3").arg(code, ControlCharacterName(finding.character), times);
}

QString FindingText(const ContentFinding& finding)
{
    const ContentPattern& pattern = ContentPatternTable()[static_cast<size_t>(finding.pattern)];
    const ContentRuleInfo& rule = ContentRuleData(pattern.rule);
    if (finding.unfinished) {
        return caption(finding.section) +
               QStringLiteral(", line %1: the check for %2 could not finish at \"%3\"; the rest of the line is not checked.")
                   .arg(QString::number(finding.line), QString::fromUtf8(rule.name).toLower(),
                        OneLineText(QuotedWords(finding.words)));
    }
    return caption(finding.section) + QStringLiteral(", line %1: \"%2\" %3; %4.")
                                          .arg(QString::number(finding.line), OneLineText(QuotedWords(finding.words)),
                                               QString::fromUtf8(pattern.what),
                                               QString::fromUtf8(ContentRuleData(pattern.rule).sentence));
}

QString FindingAdvice(const ContentFinding& finding)
{
    if (finding.unfinished)
        return QStringLiteral("Break the line into shorter ones so that it can be checked, or check the rest of it yourself.");
    const ContentPattern& pattern = ContentPatternTable()[static_cast<size_t>(finding.pattern)];
    return QString::fromUtf8(pattern.advice ? pattern.advice : ContentRuleData(pattern.rule).advice);
}

QString MoreContentFindingsText(qsizetype more)
{
    return more == 1 ? QStringLiteral("... and 1 more content finding")
                     : QStringLiteral("... and %1 more content findings").arg(GroupedNumber(more));
}

QString FindingAdvice(const TagFinding& finding)
{
    switch (finding.problem) {
    case TagProblem::NotAccepted:
        return QStringLiteral("Use only <b>, <i>, <u>, <em>, <strong>, <br>, <p>, <h4> to <h6>, <ul>, <ol> and <li>, "
                              "or write the words without the tag.");
    case TagProblem::NotOpened:
        return QStringLiteral("Take the closing tag out, or open the tag before it.");
    case TagProblem::LeftOpen:
        return QStringLiteral("Close the tag where its words end.");
    case TagProblem::MisNested:
        return QStringLiteral("Close the inner tag first: tags close in the reverse order they were opened.");
    case TagProblem::Unfinished:
        return QStringLiteral("End the tag with \">\".");
    case TagProblem::BrokenByLineBreak:
        return QStringLiteral("Keep the whole tag on one line.");
    case TagProblem::OpenAtLineEnd:
        return QStringLiteral("Close the tag before the end of its line.");
    case TagProblem::EmptyLine:
        break;
    }
    return QStringLiteral("Remove the empty line.");
}

QString FindingAdvice(const ControlCharacterFinding&)
{
    return QStringLiteral("Delete the character: it does not show, and the store's form may refuse it.");
}

QString RulesOffText(int off)
{
    if (off <= 0)
        return {};
    return off == 1 ? QStringLiteral("1 rule off") : QStringLiteral("%1 rules off").arg(off);
}

QStringList SectionFindingLines(const FragmentCheck& check)
{
    QStringList lines;
    for (const TagFinding& finding : check.findings)
        lines.append(FindingText(finding));
    for (const ControlCharacterFinding& finding : check.controlCharacters)
        lines.append(FindingText(finding));
    for (const ContentFinding& finding : check.contentFindings)
        lines.append(FindingText(finding));
    if (check.contentFindingCount > check.contentFindings.size())
        lines.append(MoreContentFindingsText(check.contentFindingCount - check.contentFindings.size()));
    return lines;
}

QStringList FragmentFindingLines(const FragmentCheck& check)
{
    QStringList lines;
    if (!check.fits())
        lines.append(tooLong(check));
    return lines + SectionFindingLines(check);
}

QString ListingStatusText(const ListingCheck& check)
{
    const qsizetype count = check.tagFindings.size();
    const QString tags = count == 0   ? QStringLiteral("no tag findings")
                         : count == 1 ? QStringLiteral("1 tag finding")
                                      : QStringLiteral("%1 tag findings").arg(GroupedNumber(count));
    const auto length = [](const FragmentCheck& fragment) {
        QString text = LengthAgainstLimit(fragment.length);
        if (!fragment.fits())
            text += QStringLiteral(", %1 over").arg(GroupedNumber(fragment.length - ListingLengthLimit));
        return text;
    };
    QString status = QStringLiteral("%1 %2 \u00b7 %3 %4 \u00b7 %5")
        .arg(ListingTargetName(ListingTarget::Kindle), length(check.kindle),
             ListingTargetName(ListingTarget::CreateSpace), length(check.createSpace), tags);
    // Counted apart from the markup: a different kind of work.
    const qsizetype content = std::max(check.contentFindingCount, check.contentFindings.size());
    if (content > 0)
        status += content == 1 ? QStringLiteral(" \u00b7 1 content finding")
                               : QStringLiteral(" \u00b7 %1 content findings").arg(GroupedNumber(content));
    qsizetype controls = 0;
    for (const ControlCharacterFinding& finding : check.controlCharacterFindings)
        controls += finding.count;
    if (controls > 0)
        status += controls == 1 ? QStringLiteral(" \u00b7 1 control character")
                                : QStringLiteral(" \u00b7 %1 control characters").arg(GroupedNumber(controls));
    return status;
}

namespace {
// Both fragments' findings, one a line, formatting only the first `most` of them: a key in a
// description with a million findings formats no more than a tooltip shows. The rest summed
// up in a last line.
QStringList findingLines(const ListingCheck& check, qsizetype most)
{
    QStringList lines;
    qsizetype total = 0;
    const auto add = [&](const auto& format) {
        if (total++ < most)
            lines.append(format());
    };
    for (const FragmentCheck* fragment : {&check.kindle, &check.createSpace}) {
        if (!fragment->fits())
            add([&] { return ListingTargetName(fragment->target) + QStringLiteral(": ") + tooLong(*fragment); });
    }
    for (const TagFinding& finding : check.tagFindings)
        add([&] { return FindingText(finding); });
    for (const ControlCharacterFinding& finding : check.controlCharacterFindings)
        add([&] { return FindingText(finding); });
    for (const ContentFinding& finding : check.contentFindings)
        add([&] { return FindingText(finding); });
    // Findings past those kept were counted, not formatted.
    total += std::max<qsizetype>(0, check.contentFindingCount - check.contentFindings.size());
    if (total > most)
        lines.append(QStringLiteral("... and %1 more").arg(GroupedNumber(total - most)));
    return lines;
}
} // namespace

QStringList ListingFindingLines(const ListingCheck& check)
{
    return findingLines(check, std::numeric_limits<qsizetype>::max());
}

QStringList FirstLines(const QStringList& lines, qsizetype maxLines)
{
    if (lines.size() <= maxLines)
        return lines;
    QStringList first = lines.first(maxLines);
    first.append(QStringLiteral("... and %1 more").arg(GroupedNumber(lines.size() - maxLines)));
    return first;
}

QString ListingFindingsText(const ListingCheck& check, qsizetype maxLines)
{
    QStringList lines = findingLines(check, maxLines);
    if (lines.isEmpty()) {
        lines.append(QStringLiteral("Both descriptions fit the store's %1 characters and use only tags it accepts.")
                         .arg(GroupedNumber(ListingLengthLimit)));
    }
    // Every section the Kindle fragment takes adds to it, so this length means none did.
    if (check.kindle.length == KindleFragmentEnding.size()) {
        lines.append(QStringLiteral("The Kindle description's %1 characters are its own closing line breaks, %2: "
                                    "it ends with them even when every section is empty.")
                         .arg(GroupedNumber(KindleFragmentEnding.size()), KindleFragmentEnding.toString()));
    }
    return lines.join(QLatin1Char('\n'));
}
