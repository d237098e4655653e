#pragma once

#include "ContentRules.h"
#include "Description.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <span>

// The store's content rules over a section's text, line by line (lines end at CR LF). A
// line is looked at cheaply first (which signs, digits and words it holds); only the
// patterns whose needs it meets run their expressions on it.

struct ContentFinding {
    SectionIndex section;
    int line = 0;     // counted from 1
    int pattern = 0;  // index into ContentPatternTable()
    QString words;    // what triggered it, as typed
    // Where those words stand in their line, in UTF-16 code units: what the box marks.
    qsizetype start = 0;
    qsizetype length = 0;
    // The expression engine gave up on this line at `start` (its match limit): what follows
    // was not checked by the pattern, which is never a pass.
    bool unfinished = false;

    ContentRule rule() const { return ContentPatternTable()[static_cast<size_t>(pattern)].rule; }
    bool operator==(const ContentFinding&) const = default;
};

// A section keeps at most this many findings; the rest are only counted. What an author can
// read is far fewer, and a pasted megabyte of addresses must not cost memory or time per key.
inline constexpr qsizetype MaxKeptContentFindings = 1000;

// Each section's first findings, and how many it has in all.
struct SectionContentFindings : std::array<QList<ContentFinding>, SectionCount> {
    std::array<qsizetype, SectionCount> counts{};

    qsizetype count(SectionIndex section) const
    {
        return std::max(counts[static_cast<size_t>(section)], (*this)[static_cast<size_t>(section)].size());
    }
    qsizetype total() const
    {
        qsizetype sum = 0;
        for (const SectionInfo& info : SectionTable)
            sum += count(info.index);
        return sum;
    }
};

// A line holding more than this is not prose; naming the first ones says enough.
inline constexpr qsizetype MaxContentFindingsPerLine = 20;

// One line's findings, in the order they occur in it, appended to findings.
void CheckContentLine(SectionIndex section, int line, QStringView text, ContentRuleSet rules,
                      QList<ContentFinding>& findings);
// The same with another table of patterns (a test's own); finding.pattern indexes it.
void CheckContentLine(SectionIndex section, int line, QStringView text, ContentRuleSet rules,
                      std::span<const ContentPattern> patterns, QList<ContentFinding>& findings);

// Where the line that starts at `from` ends: its CR LF, or the end of the text (-1).
qsizetype ContentLineEnd(QStringView text, qsizetype from);

// The section's first MaxKeptContentFindings findings; *count, when given, gets them all.
QList<ContentFinding> CheckSectionContent(SectionIndex section, QStringView text, ContentRuleSet rules,
                                          qsizetype* count = nullptr);

SectionContentFindings CheckDescriptionContent(const Description& description, ContentRuleSet rules);

// The words as a finding quotes them: on one line, at most MaxQuotedLength characters
// (cut at a blank where one is near, with "...", never inside a surrogate pair), as the
// author typed them but with control characters and line separators blanked.
QString QuotedWords(QStringView words);
