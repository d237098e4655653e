#pragma once

#include "ContentRules.h"
#include "Description.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>

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

    ContentRule rule() const { return ContentPatternTable()[static_cast<size_t>(pattern)].rule; }
    bool operator==(const ContentFinding&) const = default;
};

using SectionContentFindings = std::array<QList<ContentFinding>, SectionCount>;

// One line's findings, in the order they occur in it, appended to findings.
void CheckContentLine(SectionIndex section, int line, QStringView text, ContentRuleSet rules,
                      QList<ContentFinding>& findings);

// Where the line that starts at `from` ends: its CR LF, or the end of the text (-1).
qsizetype ContentLineEnd(QStringView text, qsizetype from);

QList<ContentFinding> CheckSectionContent(SectionIndex section, QStringView text, ContentRuleSet rules);

SectionContentFindings CheckDescriptionContent(const Description& description, ContentRuleSet rules);

// The words as a finding quotes them: on one line, at most MaxQuotedLength characters
// (cut at a blank where one is near, with "..."), double quotes made single.
QString QuotedWords(QStringView words);
