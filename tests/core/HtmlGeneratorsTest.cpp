#include "HtmlGenerators.h"

#include <gtest/gtest.h>

namespace {

Description workedExample()
{
    Description d;
    d[Headline] = "My Book";
    d[Subheadline] = "";
    d[OpeningRemarks] = "Line one\r\nLine two";
    d[BenefitsHeadline] = "   ";
    d[MainBenefits] = "Fast\r\nEasy";
    d[ClosingRemarks] = "";
    d[KindleCallToAction] = "Buy now";
    d[CreateSpaceCallToAction] = "Order the paperback";
    return d;
}

Description only(SectionIndex i, const QString& text)
{
    Description d;
    d[i] = text;
    return d;
}

} // namespace

TEST(HtmlGenerators, WorkedExampleGivesBothFragmentsCharacterForCharacter)
{
    const Description d = workedExample();
    EXPECT_EQ(GenerateKindleHTML(d),
              "<H2>My Book</H2><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>Buy now<BR><BR>");
    EXPECT_EQ(GenerateCreatespaceHTML(d),
              "<B>My Book</B><BR><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>"
              "Order the paperback");
}

TEST(HtmlGenerators, EverySectionAloneGetsItsOwnMarkup)
{
    struct Case {
        SectionIndex section;
        const char* kindle;
        const char* createSpace;
    };
    const Case cases[] = {
        {Headline, "<H2>a\r\nb</H2><BR><BR><BR>", "<B>a\r\nb</B><BR><BR>"},
        {Subheadline, "<B>a\r\nb</B><BR><BR><BR><BR>", "a\r\nb<BR><BR>"},
        {OpeningRemarks, "a<BR>b<BR><BR><BR><BR>", "a<BR>b<BR><BR>"},
        {BenefitsHeadline, "<H2>a\r\nb</H2><BR><BR>", "<B>a\r\nb</B><BR>"},
        {MainBenefits, "<ul><li>a</li><li>b</li></ul><BR><BR>", "<ul><li>a</li><li>b</li></ul>"},
        {ClosingRemarks, "a<BR><BR>b<BR><BR><BR><BR>", "a<BR><BR>b<BR><BR>"},
        {KindleCallToAction, "a<BR><BR>b<BR><BR>", ""},
        {CreateSpaceCallToAction, "<BR><BR>", "a<BR><BR>b"},
    };
    for (const Case& c : cases) {
        const Description d = only(c.section, "a\r\nb");
        EXPECT_EQ(GenerateKindleHTML(d), c.kindle) << "section " << c.section;
        EXPECT_EQ(GenerateCreatespaceHTML(d), c.createSpace) << "section " << c.section;
    }
}

TEST(HtmlGenerators, BlankMeansSpacesOnly)
{
    EXPECT_EQ(GenerateKindleHTML(Description{}), "<BR><BR>");
    EXPECT_EQ(GenerateCreatespaceHTML(Description{}), "");
    EXPECT_EQ(GenerateKindleHTML(only(Headline, "     ")), "<BR><BR>");

    // A tab or a lone line break is content, and the spaces around content stay.
    EXPECT_EQ(GenerateKindleHTML(only(Headline, "\t")), "<H2>\t</H2><BR><BR><BR>");
    EXPECT_EQ(GenerateCreatespaceHTML(only(Subheadline, "  x  ")), "  x  <BR><BR>");
    EXPECT_EQ(GenerateKindleHTML(only(MainBenefits, "\r\n")), "<ul><li></li><li></li></ul><BR><BR>");
    EXPECT_EQ(GenerateCreatespaceHTML(only(MainBenefits, " Fast\r\nEasy\r\n")),
              "<ul><li> Fast</li><li>Easy</li><li></li></ul>");
    EXPECT_EQ(GenerateKindleHTML(only(OpeningRemarks, "Hi\r\n")), "Hi<BR><BR><BR><BR><BR>");
}

TEST(HtmlGenerators, OnlyWholeCrLfPairsAreReplacedLeftToRight)
{
    EXPECT_EQ(GenerateCreatespaceHTML(only(OpeningRemarks, "a\rb\nc\n\r\nd\r\r\ne\r")),
              "a\rb\nc\n<BR>d\r<BR>e\r<BR><BR>");
    EXPECT_EQ(GenerateCreatespaceHTML(only(OpeningRemarks, "\r\n\r\n")), "<BR><BR><BR><BR>");
}

TEST(HtmlGenerators, TextPassesUnescaped)
{
    EXPECT_EQ(GenerateCreatespaceHTML(only(Subheadline, "<i>Tom & Jerry</i> \"quoted\"")),
              "<i>Tom & Jerry</i> \"quoted\"<BR><BR>");
}

TEST(HtmlGenerators, EachCallToActionReachesOnlyItsOwnFragment)
{
    Description d = workedExample();
    const QString kindle = GenerateKindleHTML(d);
    const QString createSpace = GenerateCreatespaceHTML(d);
    d[CreateSpaceCallToAction] = "<H2>changed</H2>";
    EXPECT_EQ(GenerateKindleHTML(d), kindle);
    d = workedExample();
    d[KindleCallToAction] = "<B>also changed</B>";
    EXPECT_EQ(GenerateCreatespaceHTML(d), createSpace);
}

TEST(HtmlGenerators, TheTitleIsNeverPartOfAFragment)
{
    Description d = workedExample();
    d.BookTitle = "Secret Title";
    EXPECT_EQ(GenerateKindleHTML(d), GenerateKindleHTML(workedExample()));
    EXPECT_EQ(GenerateCreatespaceHTML(d), GenerateCreatespaceHTML(workedExample()));
}

TEST(HtmlGenerators, CharactersBeyondLatinPassThrough)
{
    EXPECT_EQ(GenerateCreatespaceHTML(only(CreateSpaceCallToAction, QString::fromUtf8("中文\r\n😀 €"))),
              QString::fromUtf8("中文<BR><BR>😀 €"));
}
