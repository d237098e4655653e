#include "ListingReport.h"

#include "HtmlGenerators.h"
#include "OneLineText.h"

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
    QString status = QStringLiteral("%1 %2 \u00b7 %3 %4 \u00b7 %5")
        .arg(ListingTargetName(ListingTarget::Kindle), LengthAgainstLimit(check.kindle.length),
             ListingTargetName(ListingTarget::CreateSpace), LengthAgainstLimit(check.createSpace.length), tags);
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

QStringList ListingFindingLines(const ListingCheck& check)
{
    QStringList lines;
    for (const FragmentCheck* fragment : {&check.kindle, &check.createSpace}) {
        if (!fragment->fits())
            lines.append(ListingTargetName(fragment->target) + QStringLiteral(": ") + tooLong(*fragment));
    }
    for (const TagFinding& finding : check.tagFindings)
        lines.append(FindingText(finding));
    for (const ControlCharacterFinding& finding : check.controlCharacterFindings)
        lines.append(FindingText(finding));
    for (const ContentFinding& finding : check.contentFindings)
        lines.append(FindingText(finding));
    if (check.contentFindingCount > check.contentFindings.size())
        lines.append(MoreContentFindingsText(check.contentFindingCount - check.contentFindings.size()));
    return lines;
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
    QStringList lines = FirstLines(ListingFindingLines(check), maxLines);
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
