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
QList<SpellingWord> FindSpellingWords(QStringView text);

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
