#include "SpellingWords.h"

#include <gtest/gtest.h>

namespace {
// The words found, as text.
QStringList found(const QString& text)
{
    QStringList words;
    for (const SpellingWord& word : FindSpellingWords(text))
        words.append(text.mid(word.start, word.length));
    return words;
}
} // namespace

TEST(SpellingWords, ProseWordsWithApostrophesInsideAndHyphensBetween)
{
    EXPECT_EQ(found(QStringLiteral("Don't misspel a well-known 'word'.")),
              QStringList({"Don't", "misspel", "a", "well", "known", "word"}));
    EXPECT_EQ(found(QString::fromUtf8("the author’s café")),
              QStringList({"the", QString::fromUtf8("author’s"), QString::fromUtf8("café")}));
}

TEST(SpellingWords, TagsAndTheirAttributesAreNotProse)
{
    EXPECT_EQ(found(QStringLiteral("<b>Bold</b> and <BR>next <a href=\"x\" title=\"Tittle txt\">link</a>")),
              QStringList({"Bold", "and", "next", "link"}));
    EXPECT_EQ(found(QStringLiteral("<!-- a remarc -->after")), QStringList({"after"}));
    // A "<" that starts no tag is plain text; a tag without its ">" runs to the end.
    EXPECT_EQ(found(QStringLiteral("3 < four <5 <b unfinishd")), QStringList({"four"}));
}

TEST(SpellingWords, EntitiesAreSkippedWithOrWithoutTheirSemicolon)
{
    EXPECT_EQ(found(QStringLiteral("Tom &amp; Jerry&nbsp;go &#8212; &#x2014; &mdash")), QStringList({"Tom", "Jerry", "go"}));
    EXPECT_EQ(found(QStringLiteral("salt & peper")), QStringList({"salt", "peper"}));
}

TEST(SpellingWords, WebAndMailAddressesAreSkippedWhole)
{
    EXPECT_EQ(found(QStringLiteral("See https://exmple.org/bookz?x=1 or www.exmple.com now")),
              QStringList({"See", "or", "now"}));
    EXPECT_EQ(found(QStringLiteral("Write to ann.author@exmple.org, (mailto:ann@x.org) or exmple.com/page today")),
              QStringList({"Write", "to", "or", "today"}));
    // A full stop between words is no address.
    EXPECT_EQ(found(QStringLiteral("The end.Next one")), QStringList({"The", "end", "Next", "one"}));
}

TEST(SpellingWords, CapitalsAndDigitsAreSkipped)
{
    EXPECT_EQ(found(QStringLiteral("KINDLE and NASA, I said: 3rd mp3 B2B 2024 Kindle iPhone")),
              QStringList({"and", "said", "Kindle", "iPhone"}));
    // One lower-case letter is enough to check the word.
    EXPECT_EQ(found(QStringLiteral("KINDLe")), QStringList({"KINDLe"}));
}

TEST(SpellingWords, WordAtAPositionIncludesItsEnd)
{
    const QString text = QStringLiteral("ab <b>cd</b>");
    EXPECT_EQ(SpellingWordAt(text, 0), (SpellingWord{0, 2}));
    EXPECT_EQ(SpellingWordAt(text, 2), (SpellingWord{0, 2}));
    EXPECT_EQ(SpellingWordAt(text, 3), std::nullopt);
    EXPECT_EQ(SpellingWordAt(text, 4), std::nullopt);  // inside the tag
    EXPECT_EQ(SpellingWordAt(text, 7), (SpellingWord{6, 2}));
}

TEST(SpellingWords, MarksAfterAnEditMoveAndMarksItTouchedGo)
{
    const QList<SpellingWord> marks = {{0, 3}, {4, 3}, {10, 2}};
    // Two characters typed at 8: the mark ending at 7 stays, the one at 10 moves on.
    EXPECT_EQ(ShiftedMarks(marks, 8, 0, 2), (QList<SpellingWord>{{0, 3}, {4, 3}, {12, 2}}));
    // Typing right after a marked word changes that word.
    EXPECT_EQ(ShiftedMarks(marks, 7, 0, 1), (QList<SpellingWord>{{0, 3}, {11, 2}}));
    // One character removed at 9, just before the mark at 10.
    EXPECT_EQ(ShiftedMarks(marks, 9, 1, 0), (QList<SpellingWord>{{0, 3}, {4, 3}}));
    EXPECT_EQ(ReplacedMarks(marks, 3, 10, {{5, 1}}), (QList<SpellingWord>{{0, 3}, {5, 1}, {10, 2}}));
    EXPECT_EQ(ReplacedMarks(marks, 3, 11, {}), (QList<SpellingWord>{{0, 3}}));
}

TEST(SpellingWords, TheTagAroundAPositionRunsFromItsOpeningToPastItsClosing)
{
    const QString text = QStringLiteral("a < b <i title=\"x y\">word</i>");
    //                                  0123456789...  "<i" at 6, ">" at 20
    EXPECT_EQ(TagAround(text, 6), std::nullopt) << "at the \"<\" itself the tag has not begun";
    EXPECT_EQ(TagAround(text, 7), 6);
    EXPECT_EQ(TagAround(text, 20), 6) << "before its \">\"";
    EXPECT_EQ(TagAround(text, 21), std::nullopt) << "past its \">\"";
    EXPECT_EQ(TagAround(text, 3), std::nullopt) << "\"a < b\" opens no tag";
    EXPECT_EQ(TagAround(text, 26), 25) << "inside the closing tag";
    // A tag left open reaches the end; a text that begins inside a tag is in it up to its first ">".
    EXPECT_EQ(TagAround(QStringLiteral("x <a href"), 9), 2);
    const QString rest = QStringLiteral("wurds here\">link</a> wurds");
    EXPECT_EQ(TagAround(rest, 11, true), 0);
    EXPECT_EQ(TagAround(rest, 12, true), std::nullopt);
    EXPECT_EQ(TagAround(rest, 11), std::nullopt);
    EXPECT_EQ(TagAround(rest, 0, true), std::nullopt);
}

TEST(SpellingWords, ATextThatBeginsInsideATagHasNoWordsBeforeItsFirstClosing)
{
    const QString rest = QStringLiteral("wurds here\">link</a> wurds");
    QStringList words;
    for (const SpellingWord& word : FindSpellingWords(rest, true))
        words.append(rest.mid(word.start, word.length));
    EXPECT_EQ(words, QStringList({"link", "wurds"}));
    EXPECT_EQ(found(rest), QStringList({"wurds", "here", "link", "wurds"}));
    EXPECT_TRUE(FindSpellingWords(QStringLiteral("no closing at all"), true).isEmpty());
}
