#pragma once

#include <QString>

// What the help search is asked for the words typed into its box. The search takes only
// letters and digits as a bare word, so "4,000", "--check" or "sub-headline" would find
// nothing at all; each such word is looked for as a phrase instead. A number is looked for
// with and without the separators between its groups of three. Typed quotes are left to
// mean what the search makes of them.
//
// Whatever is typed, the search stays quick: only the first MaxLength characters and the first
// MaxTerms words are looked for, and a word ends in "*" (every word that begins so) only after
// MinPrefix letters; any other "*" is dropped.
QString HelpSearchQuery(const QString& typed);

namespace HelpSearchLimits {
inline constexpr qsizetype MaxLength = 200;
inline constexpr qsizetype MaxTerms = 16;
inline constexpr qsizetype MinPrefix = 3;
} // namespace HelpSearchLimits
