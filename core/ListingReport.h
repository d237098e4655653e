#pragma once

#include "ListingCheck.h"

#include <QString>
#include <QStringList>

// The listing check in words: the status line, the lines of findings and the figures,
// the same in the main window, the copy message and on the command line.

// "Kindle" or "Print".
QString ListingTargetName(ListingTarget target);

// "1,234": thousands with commas whatever the user's locale, as the store's form counts.
QString GroupedNumber(qsizetype number);

// "1,234 / 4,000".
QString LengthAgainstLimit(qsizetype length);

// "OPENING REMARKS: <b> is not closed": the section by its caption, then the tag.
QString FindingText(const TagFinding& finding);

// "OPENING REMARKS: control character U+0000 (NUL) appears 3 times".
QString FindingText(const ControlCharacterFinding& finding);

// "OPENING REMARKS, line 2: "www.example.com" is a web address; the store does not allow
// contact details in a description."
QString FindingText(const ContentFinding& finding);

// "... and 12,345 more content findings": those counted but not kept.
QString MoreContentFindingsText(qsizetype more);

// What the store wants instead of what a content finding names, in one sentence.
QString FindingAdvice(const ContentFinding& finding);
// The same for the markup and for control characters.
QString FindingAdvice(const TagFinding& finding);
QString FindingAdvice(const ControlCharacterFinding& finding);

// "2 rules off" when content rules are off, else nothing.
QString RulesOffText(int off);

// The fragment's findings in the sections, one a line: the tags, the control characters,
// then the content rules.
QStringList SectionFindingLines(const FragmentCheck& check);

// The fragment's findings, one a line: first its length when it is too long, then those of
// SectionFindingLines.
QStringList FragmentFindingLines(const FragmentCheck& check);

// "Kindle 1,234 / 4,000 · Print 1,180 / 4,000 · no tag findings", then the content findings
// and the control characters when there are any; a fragment too long says by how much
// ("Kindle 4,597 / 4,000, 597 over").
QString ListingStatusText(const ListingCheck& check);

// Both fragments' findings, one a line, each tag finding once: for the status line's tooltip.
QStringList ListingFindingLines(const ListingCheck& check);

// What the status line's tooltip says and a screen reader reads out, as plain text, one
// finding a line (at most maxLines of them): the findings, or that there are none.
QString ListingFindingsText(const ListingCheck& check, qsizetype maxLines = 30);

// At most maxLines of the lines; the rest summed up in a last line.
QStringList FirstLines(const QStringList& lines, qsizetype maxLines);
