#include "HtmlGenerators.h"

#include <gtest/gtest.h>

TEST(HtmlGenerators, WorkedExampleGivesBothFragmentsCharacterForCharacter)
{
    Description d;
    d.BookTitle = "Never in a fragment";
    d.Sections = {"My Book", "", "Line one\r\nLine two", "   ", "Fast\r\nEasy", "", "Buy now", "Order the paperback"};
    EXPECT_EQ(GenerateKindleHTML(d),
              "<H2>My Book</H2><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>Buy now<BR><BR>");
    EXPECT_EQ(GenerateCreatespaceHTML(d),
              "<B>My Book</B><BR><BR>Line one<BR>Line two<BR><BR><ul><li>Fast</li><li>Easy</li></ul>"
              "Order the paperback");
}

// One section filled, the others empty: its markup in each fragment, or nothing.
TEST(HtmlGenerators, EachSectionAloneGivesItsMarkup)
{
    const std::tuple<SectionIndex, const char*, const char*, const char*> cases[] = {
        {Headline, "a\r\nb", "<H2>a\r\nb</H2><BR><BR><BR>", "<B>a\r\nb</B><BR><BR>"},
        {Subheadline, "a\r\nb", "<B>a\r\nb</B><BR><BR><BR><BR>", "a\r\nb<BR><BR>"},
        {OpeningRemarks, "a\r\nb", "a<BR>b<BR><BR><BR><BR>", "a<BR>b<BR><BR>"},
        {BenefitsHeadline, "a\r\nb", "<H2>a\r\nb</H2><BR><BR>", "<B>a\r\nb</B><BR>"},
        {MainBenefits, "a\r\nb", "<ul><li>a</li><li>b</li></ul><BR><BR>", "<ul><li>a</li><li>b</li></ul>"},
        {ClosingRemarks, "a\r\nb", "a<BR><BR>b<BR><BR><BR><BR>", "a<BR><BR>b<BR><BR>"},
        {KindleCallToAction, "a\r\nb", "a<BR><BR>b<BR><BR>", ""},
        {CreateSpaceCallToAction, "a\r\nb", "<BR><BR>", "a<BR><BR>b"},
        // Blank means spaces only; a tab or a line break is content, and spaces around content stay.
        {Headline, "\t", "<H2>\t</H2><BR><BR><BR>", "<B>\t</B><BR><BR>"},
        {Subheadline, "  x  ", "<B>  x  </B><BR><BR><BR><BR>", "  x  <BR><BR>"},
        {MainBenefits, "\r\n", "<ul><li></li><li></li></ul><BR><BR>", "<ul><li></li><li></li></ul>"},
        {OpeningRemarks, "Hi\r\n", "Hi<BR><BR><BR><BR><BR>", "Hi<BR><BR><BR>"},
        // Only whole CR LF pairs, taken left to right, are replaced; nothing is escaped.
        {OpeningRemarks, "a\rb\nc\n\r\nd\r\r\ne\r", "a\rb\nc\n<BR>d\r<BR>e\r<BR><BR><BR><BR>",
         "a\rb\nc\n<BR>d\r<BR>e\r<BR><BR>"},
        {Subheadline, "<i>Tom & Jerry</i> \"q\"", "<B><i>Tom & Jerry</i> \"q\"</B><BR><BR><BR><BR>",
         "<i>Tom & Jerry</i> \"q\"<BR><BR>"},
    };
    for (const auto& [section, text, kindle, createSpace] : cases) {
        SCOPED_TRACE(testing::Message() << "section " << section << ": " << text);
        Description d;
        d[section] = text;
        EXPECT_EQ(GenerateKindleHTML(d), kindle);
        EXPECT_EQ(GenerateCreatespaceHTML(d), createSpace);
    }
}
