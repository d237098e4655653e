#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

// A line longer than this is costly to handle whole: the text widget lays a paragraph out in
// time growing with the square of its length, and spelling would check all of it at every key.
// The multi-line section boxes show such a line as several paragraphs, and spelling checks a
// line this long a piece at a time.
inline constexpr qsizetype LongLineLength = 4096;

// A text shown in pieces has a break of the box's own at each split (the positions, in the
// box, of those breaks, ascending). Where a position of the text lies in the box: at a piece's
// end, before its break, or with `after` at the start of the next piece.
inline qsizetype ShownPosition(const std::vector<int>& splits, qsizetype position, bool after = false)
{
    // The k-th split ends the text's first splits[k] - k characters.
    qsizetype k = 0;
    for (qsizetype step = qsizetype(splits.size()); step > 0;) {
        const qsizetype half = step / 2;
        const qsizetype at = k + half;
        const qsizetype ends = splits[size_t(at)] - at;
        if (ends < position || (after && ends == position)) {
            k = at + 1;
            step -= half + 1;
        } else {
            step = half;
        }
    }
    return position + k;
}

// Where a position of the box lies in the text: the box's own breaks before it left out.
inline qsizetype TextPosition(const std::vector<int>& splits, qsizetype shown)
{
    return shown - (std::lower_bound(splits.begin(), splits.end(), shown) - splits.begin());
}
