#pragma once

#include "ContentCheck.h"

#include <QString>

#include <vector>

// The content rules over a description that changes a little at a time, as the editor's
// length line needs them: each call checks again only the lines that differ from the last
// call's text, found by the text the two have in common at their start and at their end.
class ContentChecker {
public:
    explicit ContentChecker(ContentRuleSet rules = ContentRuleSet::all()) : m_rules(rules) {}

    ContentRuleSet rules() const { return m_rules; }
    const SectionContentFindings& check(const Description& description);
    // Where each line of the section began in its text (CR LF breaks) at the last check.
    std::vector<qsizetype> lineStarts(SectionIndex index) const;

private:
    // A finding as a line keeps it: its words are read from the text when it is shown, so a
    // million of them hold no copies of the text.
    struct LineFinding {
        int pattern = 0;
        bool unfinished = false;
        qsizetype start = 0;
        qsizetype length = 0;
    };
    struct Line {
        qsizetype length = 0;                // without its CR LF
        std::vector<LineFinding> findings;   // numbered and given their words when the section's list is made
    };
    struct Section {
        QString text;
        std::vector<Line> lines;
        bool checked = false;
    };

    // Whether the section's lines changed.
    bool update(SectionIndex index, const QString& text);
    std::vector<Line> checkLines(SectionIndex index, QStringView text) const;

    ContentRuleSet m_rules;
    std::array<Section, SectionCount> m_sections;
    SectionContentFindings m_findings;
};
