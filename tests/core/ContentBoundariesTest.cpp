// Where each content pattern starts and stops reporting: one side of the line and the other.
#include "ContentCheck.h"
#include "ContentChecker.h"
#include "ListingCheck.h"
#include "ListingReport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The words of each finding in the line, in order.
QStringList found(const QString& line)
{
    QStringList words;
    for (const ContentFinding& finding : CheckSectionContent(OpeningRemarks, line, ContentRuleSet::all()))
        words.append(finding.words);
    return words;
}

void expectReported(const QString& line, const QString& words)
{
    EXPECT_EQ(found(line), QStringList{words}) << line.toStdString();
}

void expectQuiet(const QString& line)
{
    EXPECT_EQ(found(line), QStringList{}) << line.toStdString();
}

} // namespace

TEST(ContentBoundaries, DomainsWithAndWithoutAPath)
{
    expectReported("See example.com for more.", "example.com");
    expectReported("See example.com/books for more.", "example.com/books");
    expectReported("See https://example.com/books?id=3.", "https://example.com/books?id=3.");
    expectReported("Short link: bit.ly/3xYz", "bit.ly/3xYz");
    expectReported("See example.co.uk today.", "example.co.uk");
    // A two-letter ending alone may be a file or an abbreviation; with a path it is an address.
    expectQuiet("Short link: bit.ly today");
    expectQuiet("Edit README.md and setup.py, then run main.go.");
    expectQuiet("Next.js/React and Node.js/Express, side by side.");
    expectQuiet("ASP.NET, VB.NET, Vue.js and e.g. i.e. a.m. p.m. Ph.D.");
    expectQuiet("It ended.Then it began again.");
}

TEST(ContentBoundaries, EmailAddressesNeedAnAtAndADomain)
{
    expectReported("Write to me@example.com today.", "me@example.com");
    expectQuiet("Meet me @ the station, at 5.");
    expectQuiet("Follow the @ sign in the diagram.");
}

TEST(ContentBoundaries, TelephoneNumbersOneDigitShort)
{
    expectReported("Call 555-123-4567.", "555-123-4567");
    expectQuiet("Call 555-123-456.");
    expectReported("Call (555) 123-4567.", "(555) 123-4567");
    expectReported("Call 1-800-FLOWERS now.", "1-800-FLOWERS");
    expectReported("Call 020 7946 0958.", "020 7946 0958");
    expectReported("Call 01632 96012.", "01632 96012");
    expectQuiet("Call 01632 9601.");
    expectReported("Call +1 555 123 4567.", "+1 555 123 4567");
    expectQuiet("Score: +1 555.");
    expectQuiet("ISBN 978-1-23456-789-7, first printed 1962-1963.");
}

TEST(ContentBoundaries, PricesNeedTheirContext)
{
    expectReported("Now only $2.99!", "$2.99");
    expectReported("Priced at \u00a34.99 this week.", QString::fromUtf16(u"\u00a34.99"));
    // Without a currency sign a price is a price only with its price word and its cents.
    expectReported("Now only 2.99 instead of 5.99.", "2.99");
    expectQuiet("It is only 2.5 miles away.");
    expectQuiet("Only 2.99 miles to go.");
    expectQuiet("Only 299 left.");
    expectQuiet("A $2 million debt due by dawn, only $50 to her name.");
    expectQuiet("The price is $5 million, and the bride is not for sale.");
    expectReported("Just 99 cents.", "99 cents");
    expectReported("Get 30% off today.", "30% off");
    expectQuiet("Turn it 30% further off the axis.");
    expectQuiet("100% of the profits go to charity.");
}

TEST(ContentBoundaries, QuotedDialogueAgainstQuotedPraiseWithASource)
{
    expectReported(u8"\u201cA triumph.\u201d \u2014 The Times", u8"\u201cA triumph.\u201d");
    expectReported("\"Dark and clever.\" -- Kirkus Reviews", "\"Dark and clever.\"");
    expectQuiet(u8"\u201cRun,\u201d she said. \u201cThey are coming.\u201d");
    expectQuiet("\"Run\" - it was the only word she knew.");
    expectQuiet("\"A triumph,\" the king said, and the crowd cheered.");
}

TEST(ContentBoundaries, StarsAndCounts)
{
    expectReported("Rated 4.5 stars by readers.", "Rated 4.5 stars");
    expectReported("Five stars!", "Five stars!");
    expectQuiet("Five stars shine above the lake tonight.");
    expectReported(u8"\u2605\u2605\u2605\u2605", u8"\u2605\u2605\u2605\u2605");
    expectQuiet(u8"A single \u2605 on the map.");
    expectQuiet("* * *");
    expectReported("More than 1,200 ratings.", "1,200 ratings");
    expectQuiet("Includes 12 chapter reviews.");
}

TEST(ContentBoundaries, ALineOfAddressesNamesItsFirstTwenty)
{
    const QString line = QStringLiteral("www.example.com ").repeated(50000);
    const QList<ContentFinding> findings = CheckSectionContent(OpeningRemarks, line, ContentRuleSet::all());
    EXPECT_EQ(findings.size(), 20);
}

TEST(ContentBoundaries, KeywordRunsNeedSixPhrasesThatRepeat)
{
    expectReported("dog training, puppy training, crate training, leash training, potty training, clicker training",
                   "dog training, puppy training, crate training, leash training, potty training, clicker training");
    expectQuiet("dog training, puppy training, crate training, leash training, potty training");
    expectQuiet("dogs, cats, rabbits, hamsters, parrots, goldfish and ferrets");
}

TEST(ContentBoundaries, FindingTextNamesSectionLineWordsAndRule)
{
    Description d;
    d[OpeningRemarks] = QStringLiteral("A quiet start.\r\nVisit www.example.com for more.");
    const ListingCheck check = CheckListing(d);
    ASSERT_EQ(check.contentFindings.size(), 1);
    EXPECT_EQ(FindingText(check.contentFindings.first()),
              "OPENING REMARKS, line 2: \"www.example.com\" is a web address; the store does not allow contact "
              "details in a description.");
    EXPECT_TRUE(ListingStatusText(check).endsWith(QString::fromUtf16(u"no tag findings \u00b7 1 content finding")));
    EXPECT_FALSE(check.clean());
    EXPECT_EQ(check.kindle.contentFindings.size(), 1);
    EXPECT_TRUE(CheckListing(d, ContentRuleSet::none()).clean());

    EXPECT_EQ(QuotedWords(u"short words"), "short words");
    EXPECT_EQ(QuotedWords(QString(40, u'a')), QString(40, u'a'));
    EXPECT_EQ(QuotedWords(QStringLiteral("one two three four five six seven eight nine")),
              "one two three four five six seven eight...");
    // The author's own quotes stay, so the words can be searched for; controls never reach a terminal.
    EXPECT_EQ(QuotedWords(u"say \"hi\"\x1b]0;x\x7fy\x9bz\x9fw"), "say \"hi\" ]0;x y z w");
}

// The editor's checker sees one edit at a time; whatever the edits, its findings are those
// of checking the whole text afresh.
TEST(ContentBoundaries, IncrementalCheckingAgreesWithAFreshCheck)
{
    const QStringList pieces = {"Visit www.example.com", "\r\n", "ordinary words", "Call 555-123-4567", "\r",
                                "\n", "$2.99", " only ", "x", "", "\r\n\r\n", "Five stars!"};
    std::mt19937 random(30);
    ContentChecker checker;
    Description d;
    for (int step = 0; step < 400; ++step) {
        QString& text = d[MainBenefits];
        const auto pick = [&](qsizetype n) { return static_cast<qsizetype>(random() % static_cast<unsigned>(n + 1)); };
        const qsizetype at = pick(text.size());
        if (random() % 3 == 0 && !text.isEmpty())
            text.remove(at, std::min<qsizetype>(pick(6), text.size() - at));
        else
            text.insert(at, pieces[static_cast<qsizetype>(random() % pieces.size())]);
        const SectionContentFindings& incremental = checker.check(d);
        ASSERT_EQ(incremental[MainBenefits], CheckSectionContent(MainBenefits, text, ContentRuleSet::all()))
            << "step " << step << ": " << text.toStdString();
    }
}
