#pragma once

#include "FoldPlace.h"
#include "FoldedPage.h"
#include "FoldProfile.h"
#include "PreviewPage.h"

#include <QString>

#include <vector>

// One line of a fragment as the page sets it, from the column's top edge.
struct ColumnLine {
    double top;
    double bottom;
    qsizetype anchor;      // fragment offset of its first character, or of its break when empty
    qsizetype markAt;      // where a mark in front of this line goes (before the tag that opens its block)
    bool hasText;
};

// Lays a fragment out the way the preview's style sheet sets it in a column of the profile's
// width and type size, with Qt's own text layout: headings, bold, breaks, list items, margins.
// Needs the application's fonts (a QGuiApplication), no window. untilFold: stops once a line with
// words lies below the profile's fold.
std::vector<ColumnLine> LayOutColumn(const QString& fragment, PreviewTarget target, const FoldProfile& profile,
                                     bool untilFold = false);

// Where the fold falls in the description's fragment for that target on that kind of page.
FoldPlace MeasureFold(const Description& description, PreviewTarget target, const FoldProfile& profile);

// The fold of every profile for the preview of that target's page, chosen the one shown first.
FoldMarks MeasureFoldMarks(const Description& description, PreviewTarget target, int chosen);
