#include "HtmlGenerators.h"
#include "ListingCheck.h"
#include "ListingReport.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {
Description with(SectionIndex section, const QString& text)
{
    Description d;
    d[section] = text;
    return d;
}

QStringList texts(const QList<TagFinding>& findings)
{
    QStringList lines;
    for (const TagFinding& finding : findings)
        lines.append(FindingText(finding));
    return lines;
}

QStringList sectionFindings(SectionIndex section, const QString& text)
{
    return texts(CheckSectionTags(section, text));
}
} // namespace

TEST(ListingCheck, LengthCountsUtf16UnitsOfTheFragmentAsCopied)
{
    // CreateSpace: the sub-headline plus "<BR><BR>"; a book emoji takes two code units.
    QString text = QString(3990, u'a') + QString::fromUtf16(u"\U0001F4D6");
    ASSERT_EQ(text.size(), 3992);
    FragmentCheck check = CheckFragment(with(Subheadline, text), ListingTarget::CreateSpace);
    EXPECT_EQ(check.length, 4000);
    EXPECT_TRUE(check.fits() && check.clean());
    EXPECT_TRUE(FragmentFindingLines(check).isEmpty());

    text += u'a';
    check = CheckFragment(with(Subheadline, text), ListingTarget::CreateSpace);
    EXPECT_EQ(check.length, 4001);
    EXPECT_FALSE(check.fits());
    EXPECT_EQ(FragmentFindingLines(check), QStringList{"4,001 characters, 1 more than the store's 4,000"});

    // The Kindle fragment of the same text carries more markup, and the title counts nowhere.
    Description d = with(Subheadline, text);
    d.BookTitle = QString(5000, u'x');
    const ListingCheck both = CheckListing(d);
    EXPECT_EQ(both.kindle.length, GenerateKindleHTML(d).size());
    EXPECT_EQ(both.kindle.length, text.size() + 23);  // <B>, </B><BR><BR> and the closing <BR><BR>
    EXPECT_EQ(both.createSpace.length, 4001);
    EXPECT_FALSE(both.clean());
    EXPECT_EQ(ListingStatusText(both), QString::fromUtf16(u"Kindle 4,016 / 4,000, 16 over \u00b7 Print 4,001 / 4,000, 1 over \u00b7 no tag findings"));
    EXPECT_EQ(ListingFindingLines(both), (QStringList{"Kindle: 4,016 characters, 16 more than the store's 4,000",
                                                      "Print: 4,001 characters, 1 more than the store's 4,000"}));
}

TEST(ListingCheck, TheGeneratorsOwnMarkupIsNeverReported)
{
    // H2, bold, breaks and list items come from the generators; H2 is not even a tag an author may type.
    Description d;
    d.Sections = {"My Book", "Sub", "Line one\r\nLine two\r\n", "Benefits", "Fast\r\nEasy", "Closing\r\nmore",
                  "Buy now\r\nplease", "Order the paperback"};
    const ListingCheck check = CheckListing(d);
    EXPECT_TRUE(check.clean());
    EXPECT_TRUE(check.tagFindings.isEmpty());
    EXPECT_TRUE(ListingFindingLines(check).isEmpty());
    EXPECT_EQ(ListingStatusText(check),
              QStringLiteral("Kindle %1 / 4,000 \u00b7 Print %2 / 4,000 \u00b7 no tag findings")
                  .arg(GenerateKindleHTML(d).size())
                  .arg(GenerateCreatespaceHTML(d).size()));
}

TEST(ListingCheck, EachKindOfFindingNamesItsSectionAndTag)
{
    const std::tuple<SectionIndex, QString, QStringList> cases[] = {
        {ClosingRemarks, "see <span class=x>here</span> and <SPAN> or <Blink>",
         {"CLOSING REMARKS: <span> is not a tag the store accepts", "CLOSING REMARKS: <blink> is not a tag the store accepts"}},
        {Subheadline, "bold</B> text", {"SUB-HEADLINE: </b> closes a tag that is not open"}},
        {OpeningRemarks, "<b>runs <em>on</em>\r\nand on", {"OPENING REMARKS: <b> is not closed"}},
        {MainBenefits, "<b><i>x</b>y</i>", {"MAIN BENEFITS: </b> closes <b> while <i> inside it is still open"}},
        {Headline, "if x<y then", {"HEADLINE: <y has no closing >"}},
        {KindleCallToAction, "<strong\r\n>Buy</strong>", {"CALL TO ACTION FOR KINDLE BOOK: <strong> is broken by a line break"}}};
    for (const auto& [section, text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(sectionFindings(section, text), expected);
    }

    // Only what the author typed into that section counts: a tag opened in one section and
    // closed in the next is a mistake in both.
    Description d = with(Headline, "<i>My Book");
    d[Subheadline] = "still italic</i>";
    d[KindleCallToAction] = "<u>Buy";
    d[CreateSpaceCallToAction] = "<font>Order";
    const ListingCheck check = CheckListing(d);
    EXPECT_EQ(texts(check.kindle.findings), (QStringList{"HEADLINE: <i> is not closed",
                                                         "SUB-HEADLINE: </i> closes a tag that is not open",
                                                         "CALL TO ACTION FOR KINDLE BOOK: <u> is not closed"}));
    EXPECT_EQ(texts(check.createSpace.findings), (QStringList{"HEADLINE: <i> is not closed",
                                                              "SUB-HEADLINE: </i> closes a tag that is not open",
                                                              "CALL TO ACTION FOR CREATESPACE PRINT BOOK: <font> is not a tag the store accepts"}));
    EXPECT_EQ(check.tagFindings.size(), 4);
    EXPECT_TRUE(check.kindle.fits() && !check.kindle.clean());
    EXPECT_TRUE(ListingStatusText(check).endsWith(QStringLiteral("4 tag findings")));
    const TagFinding misNested = CheckSectionTags(OpeningRemarks, u"<p><b>x</p>").first();
    EXPECT_EQ(misNested, (TagFinding{OpeningRemarks, TagProblem::MisNested, "p", "b", 0, 7, 4}));
    // Where each is in the section, for the box to mark: a tag left open at its opening tag,
    // an unfinished one at its name, an empty bullet at its line.
    using Place = std::pair<qsizetype, qsizetype>;
    const auto place = [](SectionIndex section, QStringView text) {
        const TagFinding finding = CheckSectionTags(section, text).first();
        return Place(finding.start, finding.length);
    };
    EXPECT_EQ(place(OpeningRemarks, u"ab <b>x<br>y"), Place(3, 3));
    EXPECT_EQ(place(OpeningRemarks, u"x <i title=\"y"), Place(2, 2));
    EXPECT_EQ(place(MainBenefits, u"a\r\n \r\nb"), Place(3, 1));
    EXPECT_EQ(place(MainBenefits, u"<b>a\r\nb</b>"), Place(0, 3));
}

TEST(ListingCheck, WellFormedMarkupAndThingsThatAreNoTags)
{
    const QString clean[] = {
        "<ol><li>one<ul><li>a</li><li>b</li></ul></li><li>two</li></ol>",
        "<P>para</P><h4>four</h4><H5>five</H5><h6 class=\"x\">six</h6>",
        "<B><I><U>x</U></I></B><strong><em>y</em></strong>",
        "a<BR>b<br/>c<Br >d<br />e<bR\t/>f</br>",
        "3 < 4 and 5 <= 6, <3, << >>, < b>, a <-> b, 1<2",
        "<p title=\"a > b\" data-x='c>d'>quoted</p>",
        "",
        "   ",
    };
    for (const QString& text : clean) {
        SCOPED_TRACE(text.toStdString());
        for (const SectionInfo& section : SectionTable)
            EXPECT_TRUE(CheckSectionTags(section.index, text).isEmpty()) << section.name;
    }
}

TEST(ListingCheck, ATagSplitAcrossALineBreak)
{
    // A single-line section passes the break through: inside a tag it is white space.
    EXPECT_TRUE(CheckSectionTags(Headline, u"<b\r\n>My</b\r\n> Book").isEmpty());
    // A multi-line section turns it into markup, which cuts the tag apart; reported once.
    EXPECT_EQ(sectionFindings(OpeningRemarks, "<b\r\nclass=x>x</b>"),
              QStringList{"OPENING REMARKS: <b> is broken by a line break"});
    // A pair on two lines is fine.
    EXPECT_TRUE(CheckSectionTags(ClosingRemarks, u"<b>one\r\ntwo</b>").isEmpty());

    // Where the check expects breaks to become markup is where the generators make them so.
    for (const SectionInfo& section : SectionTable) {
        SCOPED_TRACE(section.name);
        const QString both = GenerateKindleHTML(with(section.index, "a\r\nb")) + GenerateCreatespaceHTML(with(section.index, "a\r\nb"));
        EXPECT_EQ(both.contains(QStringLiteral("\r\n")), !section.multiLine);
        EXPECT_EQ(CheckSectionTags(section.index, u"<i\r\n>x</i>").isEmpty(), !section.multiLine);
        // Lines of their own: "a" is followed straight by a closing tag.
        EXPECT_EQ(both.contains(QStringLiteral("a</")), LinesBecomeElements(section.index));
    }
}

TEST(ListingCheck, EachBenefitIsABulletOfItsOwn)
{
    const std::pair<QString, QStringList> cases[] = {
        {"Soil\r\nSeeds", {}},
        {"Soil\r\nSeeds\r\n", {"MAIN BENEFITS: line 3 is empty and makes an empty bullet"}},
        {"\r\nSoil\r\n \t\r\nSeeds", {"MAIN BENEFITS: line 1 is empty and makes an empty bullet",
                                     "MAIN BENEFITS: line 3 is empty and makes an empty bullet"}},
        {"\r\n", {"MAIN BENEFITS: line 1 is empty and makes an empty bullet",
                   "MAIN BENEFITS: line 2 is empty and makes an empty bullet"}},
        {"   ", {}},  // skipped by the generators: no list at all
        {"<b>Soil\r\nSeeds</b>", {"MAIN BENEFITS: <b> is still open at the end of line 1; each line is its own bullet"}},
        {"<b>Soil</b>\r\n<i>Seeds</i>", {}},
        {"Soil\r\nSeeds</b>", {"MAIN BENEFITS: </b> closes a tag that is not open"}},
        {"<b\r\nclass=x>Soil\r\n<i>Seeds", {"MAIN BENEFITS: <b> is broken by a line break",
                                             "MAIN BENEFITS: <b> is still open at the end of line 2; each line is its own bullet",
                                             "MAIN BENEFITS: <i> is not closed"}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(sectionFindings(MainBenefits, text), expected);
    }
    // Where breaks only become <BR>, a pair may span lines and empty lines are paragraphs.
    EXPECT_TRUE(CheckSectionTags(ClosingRemarks, u"<b>Soil\r\n\r\nSeeds</b>\r\n").isEmpty());
    // Both fragments carry the list, and the check is no longer clean.
    const ListingCheck check = CheckListing(with(MainBenefits, "Soil\r\nSeeds\r\n"));
    EXPECT_EQ(check.kindle.findings.size(), 1);
    EXPECT_EQ(check.createSpace.findings.size(), 1);
    EXPECT_FALSE(check.clean());
}

TEST(ListingCheck, EveryMistakeIsReportedOnceAndTheRestStillPairs)
{
    // After a mis-nesting the pairs around it still match.
    EXPECT_EQ(sectionFindings(ClosingRemarks, "<p><b><i>x</b></i> more <u>y</u></p>"),
              QStringList{"CLOSING REMARKS: </b> closes <b> while <i> inside it is still open"});
    // A hundred italics left open inside a hundred bolds: the first </b> crosses them all and
    // is the one finding; their own closing tags later on belong to the same mistake.
    QString crossing = QString("<b>").repeated(100) + QString("<i>").repeated(100) + QString("</b>").repeated(100);
    EXPECT_EQ(CheckSectionTags(OpeningRemarks, crossing).size(), 1);
    crossing += QString("</i>").repeated(100);
    const QList<TagFinding> findings = CheckSectionTags(OpeningRemarks, crossing);
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings.first(), (TagFinding{OpeningRemarks, TagProblem::MisNested, "b", "i", 0, 600, 4}));
    EXPECT_EQ(sectionFindings(OpeningRemarks, crossing + "</i>"),
              (QStringList{"OPENING REMARKS: </b> closes <b> while <i> inside it is still open",
                           "OPENING REMARKS: </i> closes a tag that is not open"}));
    // An unfinished tag ends the section's check: the rest is inside it.
    EXPECT_EQ(sectionFindings(OpeningRemarks, "<b>x <i title=\"unclosed>y</b>"),
              (QStringList{"OPENING REMARKS: <i has no closing >", "OPENING REMARKS: <b> is not closed"}));
}

TEST(ListingReport, FirstLinesSumsUpTheRest)
{
    const QStringList lines{"a", "b", "c", "d"};
    EXPECT_EQ(FirstLines(lines, 4), lines);
    EXPECT_EQ(FirstLines(lines, 2), (QStringList{"a", "b", "... and 2 more"}));
    EXPECT_EQ(LengthAgainstLimit(1234567), QStringLiteral("1,234,567 / 4,000"));
    EXPECT_EQ(LengthAgainstLimit(999), QStringLiteral("999 / 4,000"));
}

TEST(ListingCheck, ControlCharactersOtherThanTabAndBreaksAreFoundPerSectionAndCharacter)
{
    // Tab, LF and CR pass, their neighbours do not; DEL and C1 are controls too, the blank,
    // the tilde and the no-break space after them are ordinary.
    const QString text =
        QString::fromUtf16(u"a\t\n\r b\x7f~\x08\x0b\x0c\x0e\x1f\x1f\x1f\x80\x9b\x9f\xa0") + QChar(0);
    const QList<ControlCharacterFinding> expected = {
        {ClosingRemarks, 0x00, 1}, {ClosingRemarks, 0x08, 1}, {ClosingRemarks, 0x0b, 1}, {ClosingRemarks, 0x0c, 1},
        {ClosingRemarks, 0x0e, 1}, {ClosingRemarks, 0x1f, 3}, {ClosingRemarks, 0x7f, 1}, {ClosingRemarks, 0x80, 1},
        {ClosingRemarks, 0x9b, 1}, {ClosingRemarks, 0x9f, 1}};
    EXPECT_EQ(FindControlCharacters(ClosingRemarks, text), expected);
    EXPECT_EQ(FindingText(expected[0]), QStringLiteral("CLOSING REMARKS: control character U+0000 (NUL) appears once"));
    EXPECT_EQ(FindingText(expected[5]), QStringLiteral("CLOSING REMARKS: control character U+001F (US) appears 3 times"));
    EXPECT_EQ(FindingText(expected[6]), QStringLiteral("CLOSING REMARKS: control character U+007F (DEL) appears once"));
    EXPECT_EQ(FindingText(expected[7]), QStringLiteral("CLOSING REMARKS: control character U+0080 (PAD) appears once"));
    EXPECT_EQ(FindingText(expected[8]), QStringLiteral("CLOSING REMARKS: control character U+009B (CSI) appears once"));
    EXPECT_EQ(FindingText(expected[9]), QStringLiteral("CLOSING REMARKS: control character U+009F (APC) appears once"));
    // The words quoted from the text show their invisible characters as escapes.
    EXPECT_TRUE(FindingText(ContentFinding{Headline, 1, 0, QString::fromUtf16(u"best\u202eseller\u200b")})
                    .contains(QStringLiteral("\"best\\u202eseller\\u200b\"")));

    // Each fragment gets the findings of its own sections; the check as a whole has each once.
    Description d = with(Subheadline, QString(1200, QChar(u'\x01')));
    d[KindleCallToAction] = QStringLiteral("Buy\x1b");
    const ListingCheck check = CheckListing(d);
    EXPECT_EQ(check.kindle.controlCharacters,
              (QList<ControlCharacterFinding>{{Subheadline, 0x01, 1200}, {KindleCallToAction, 0x1b, 1}}));
    EXPECT_EQ(check.createSpace.controlCharacters, (QList<ControlCharacterFinding>{{Subheadline, 0x01, 1200}}));
    EXPECT_EQ(ListingFindingLines(check).size(), 2);
    EXPECT_TRUE(check.kindle.fits() && check.kindle.findings.isEmpty() && !check.kindle.clean());
    EXPECT_EQ(ListingStatusText(check), QString::fromUtf16(u"Kindle 1,227 / 4,000 \u00b7 Print 1,208 / 4,000 \u00b7 no tag "
                                                           u"findings \u00b7 1,201 control characters"));
    EXPECT_TRUE(ListingStatusText(CheckListing(with(Headline, QStringLiteral("\x07")))).endsWith(u"s \u00b7 1 control character"));
    EXPECT_TRUE(CheckListing(with(Headline, QStringLiteral("\t"))).clean());
}

// A tag's name comes from the file: shown escaped, it cannot command the terminal or the list.
TEST(ListingCheck, TagNamesInFindingsHaveTheirControlCharactersEscaped)
{
    const QString text = QString::fromUtf16(u"<x\x1b]0;title\x07>a</x\x1b]0;title\x07><q\x9b2J>b</q\x9b2J><i\u2028>");
    QStringList lines;
    for (const TagFinding& finding : CheckSectionTags(Subheadline, text))
        lines.append(FindingText(finding));
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        EXPECT_FALSE(std::any_of(line.cbegin(), line.cend(), [](QChar c) {
            return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f) || c.unicode() == 0x2028;
        }))
            << line.toStdString();
    EXPECT_TRUE(lines.join(u'|').contains(QStringLiteral("<x\\x1b]0;title\\x07>"))) << lines.join(u'|').toStdString();
}
