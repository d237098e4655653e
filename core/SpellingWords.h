#pragma once

#include <QList>
#include <QStringView>

#include <optional>

// A word of prose in a text, as a spelling checker should see it.
struct SpellingWord {
    qsizetype start = 0;
    qsizetype length = 0;

    qsizetype end() const { return start + length; }
    bool operator==(const SpellingWord&) const = default;
};

// The words of text worth checking, in order. Markup is not prose: tags with their
// attribute text, entities, web and e-mail addresses are passed over, and so are words in
// capitals and words with digits. A word is letters with apostrophes inside it; a hyphen
// parts two words.
// With startsInTag the text begins inside a tag that began before it (a line shown in
// pieces): up to its first ">" is that tag's.
QList<SpellingWord> FindSpellingWords(QStringView text, bool startsInTag = false);

// Where the tag begins that holds position at, between its "<" and the end of its ">"; 0 for
// the tag the text begins inside (startsInTag); nothing when at lies outside every tag. The
// position after a text's last character is inside when a tag is left open there.
std::optional<qsizetype> TagAround(QStringView text, qsizetype at, bool startsInTag = false);

// The word of FindSpellingWords that holds position at or ends there; nothing otherwise.
std::optional<SpellingWord> SpellingWordAt(QStringView text, qsizetype at);

// Marks of misspelled words over a changing text, kept in order.
// After an edit that replaced removed characters at position with added ones: marks that
// touched the replaced text are gone, those after it moved.
QList<SpellingWord> ShiftedMarks(const QList<SpellingWord>& marks, qsizetype position, qsizetype removed,
                                 qsizetype added);
// The marks with those that touch [from, to) replaced by fresh, which lie inside it.
QList<SpellingWord> ReplacedMarks(const QList<SpellingWord>& marks, qsizetype from, qsizetype to,
                                  const QList<SpellingWord>& fresh);
