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
    expectReported(u8"Now only \u00a5480.", u8"\u00a5480");  // a price in yen is a price
    expectReported(u8"Available for \u00a51,200 in Japan.", u8"\u00a51,200");
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
    // A source described after its name still names it.
    expectReported(u8"\"Dark and clever.\" \u2014 Jane Doe, a mother of three from Ohio", "\"Dark and clever.\"");
    // Two findings that touch are both named.
    EXPECT_EQ(found(u8"https://example.com\u201cA triumph.\u201d \u2014 The Times"),
              (QStringList{"https://example.com", u8"\u201cA triumph.\u201d"}));
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
    // A phrase of four words still belongs to a list; one of five is prose.
    expectReported("dog training, puppy training, crate training, leash training, potty training, clicker training for puppies",
                   "dog training, puppy training, crate training, leash training, potty training, clicker training for puppies");
    expectQuiet("dog training, puppy training, crate training, leash training, potty training, clicker training for small puppies");
    // Labelled, it is one finding, not a labelled list and a run of phrases as well.
    expectReported("Keywords: dog training, puppy training, crate training, leash training, potty training, clicker training",
                   "Keywords: dog training, puppy training, crate training, leash training, potty training, clicker training");
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
    // Cut at forty, never inside an emoji's surrogate pair.
    EXPECT_EQ(QuotedWords(QString(39, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80 b")), QString(39, u'a') + "...");
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

// Every pattern, alone, reports its own example, and the words it quotes are exactly where its
// finding says they stand: the range the box marks.
TEST(ContentBoundaries, EachPatternsExampleIsReportedAtTheRangeOfItsWords)
{
    const auto table = ContentPatternTable();
    for (size_t i = 0; i < table.size(); ++i) {
        const QStringList parts = QString::fromUtf8(table[i].example).split(QLatin1Char('|'));
        ASSERT_EQ(parts.size(), 3) << i << ": " << table[i].example;
        const QString line = parts.join(QString());
        QList<ContentFinding> findings;
        CheckContentLine(OpeningRemarks, 1, line, ContentRuleSet::all(), table.subspan(i, 1), findings);
        ASSERT_FALSE(findings.isEmpty()) << i << ": " << table[i].example;
        const ContentFinding& finding = findings.first();
        EXPECT_EQ(finding.words, parts[1]) << i << ": " << table[i].example;
        EXPECT_EQ(finding.start, parts[0].size()) << i;
        EXPECT_EQ(line.mid(finding.start, finding.length), finding.words) << i;
        EXPECT_FALSE(FindingAdvice(finding).isEmpty());
    }
}

// When the engine gives up on a line, the line is not called clean: a finding says where the
// check stopped, marking the words from there, and the others still speak.
TEST(ContentBoundaries, AnEngineThatGivesUpIsAFindingNotAPass)
{
    const ContentPattern patterns[] = {
        {ContentRule::ContactDetails, "is slow", R"((*LIMIT_MATCH=1000)^(\w+\s?)+$)", 0, "", "|x|"},
        {ContentRule::PricesAndShops, "is a price", R"(\$\d\.\d\d)", 0, "", "|$1.99|"},
    };
    const QString line = QString(30, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80 then $1.99!");
    QList<ContentFinding> findings;
    CheckContentLine(OpeningRemarks, 3, line, ContentRuleSet::all(), patterns, findings);
    ASSERT_EQ(findings.size(), 2);
    EXPECT_TRUE(findings[0].unfinished);
    EXPECT_EQ(findings[0].start, 0);
    EXPECT_EQ(findings[0].words, line.first(findings[0].length));
    EXPECT_EQ(findings[0].length, 40);
    EXPECT_EQ(findings[1].words, "$1.99");
    ContentFinding unfinished = findings[0];  // as the real table's first contact pattern would give it
    const auto table = ContentPatternTable();
    unfinished.pattern = int(std::find_if(table.begin(), table.end(), [](const ContentPattern& p) {
                                 return p.rule == ContentRule::ContactDetails;
                             }) - table.begin());
    EXPECT_TRUE(FindingText(unfinished).startsWith("OPENING REMARKS, line 3: the check for contact details could not finish at"));
}

// A section keeps its first thousand findings and counts them all, fresh or incremental; the
// length line and the lists count them all.
TEST(ContentBoundaries, ASectionKeepsAThousandFindingsAndCountsTheRest)
{
    Description d;
    d[OpeningRemarks] = QStringLiteral("www.example.com\r\n").repeated(MaxKeptContentFindings + 7);
    qsizetype count = 0;
    EXPECT_EQ(CheckSectionContent(OpeningRemarks, d[OpeningRemarks], ContentRuleSet::all(), &count).size(),
              MaxKeptContentFindings);
    EXPECT_EQ(count, MaxKeptContentFindings + 7);
    ContentChecker checker;
    EXPECT_EQ(checker.check(d).count(OpeningRemarks), MaxKeptContentFindings + 7);
    d[OpeningRemarks].prepend(QStringLiteral("Call 555-123-4567\r\n"));
    const SectionContentFindings& again = checker.check(d);
    EXPECT_EQ(again.count(OpeningRemarks), MaxKeptContentFindings + 8);
    EXPECT_EQ(again[OpeningRemarks].size(), MaxKeptContentFindings);
    EXPECT_EQ(again[OpeningRemarks].last().line, int(MaxKeptContentFindings));
    const ListingCheck check = CheckListing(d);
    EXPECT_TRUE(ListingStatusText(check).endsWith(QString::fromUtf16(u"\u00b7 1,008 content findings")));
    EXPECT_EQ(SectionFindingLines(check.kindle).last(), "... and 8 more content findings");
}
