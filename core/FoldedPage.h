#pragma once

#include "FoldProfile.h"

#include <QString>
#include <QStringList>

#include <array>

// What the preview needs to show the fold of each kind of page: where the fragment stands in
// the page, where "Read more" goes in it and, for a screen reader, what stands above it.
struct FoldMarks {
    qsizetype fragmentStart = -1;
    qsizetype fragmentEnd = -1;
    int chosen = 0;                                   // the profile shown first
    std::array<qsizetype, FoldProfileCount> at{};     // in the fragment; -1: nothing below the fold
    std::array<QString, FoldProfileCount> above{};    // "the headline and 40 characters of ..."

    bool isValid() const { return fragmentStart >= 0 && fragmentEnd >= fragmentStart; }
    bool operator==(const FoldMarks&) const = default;
};

// Carried as words of the page message's header line (no blanks in them).
QStringList FoldArguments(const FoldMarks& marks);
// Reads what FoldArguments wrote; anything else is ignored, and without them the marks are not valid.
FoldMarks ParseFoldArguments(const QStringList& arguments);

// The page as the preview shows it on that kind of page: the head and tail as they are, the
// fragment in a column of the page's width and type size, "Read more" at the fold and what lies
// below it dimmed. A profile without a fold, or marks that do not fit the page, leave it as it is.
QString FoldedPreviewPage(const QString& page, const FoldMarks& marks, int profile);
