#pragma once

#include "Description.h"

#include <QList>
#include <QString>

// Where the fold falls in one fragment on one kind of page: what the reader meets before
// "Read more" and where the first words below it stand.
struct FoldPlace {
    bool folds = false;                 // something stands below the fold
    SectionIndex section = Headline;    // the first words below are in this section,
    qsizetype offset = 0;               // from here in its text (CR LF line breaks)
    int linesAbove = 0;                 // the section's lines on the page above the fold
    qsizetype fragmentOffset = -1;      // where "Read more" goes in the fragment
    double foldTop = 0;                 // top of the first line below, from the column's top
    QList<SectionIndex> wholeAbove;     // sections wholly above the fold, in order

    bool operator==(const FoldPlace&) const = default;
};

// The section as running text names it: "the opening remarks".
QString SectionPhrase(SectionIndex section);
// "the headline, the sub-headline and 212 characters of the opening remarks"; "the whole
// description" when nothing folds, "nothing" when the fold comes before any text.
QString FoldAboveText(const FoldPlace& place, const Description& description);
// For the length line: "fold in OPENING REMARKS, line 2" (the last line above it), "fold above
// BENEFITS HEADLINE", or "all above the fold" when nothing folds.
QString FoldMeterText(const FoldPlace& place);
