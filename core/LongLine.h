#pragma once

#include <QtGlobal>

// A line longer than this is costly to handle whole: the text widget lays a paragraph out in
// time growing with the square of its length, and spelling would check all of it at every key.
// The multi-line section boxes show such a line as several paragraphs, and spelling checks a
// line this long a piece at a time.
inline constexpr qsizetype LongLineLength = 4096;
