#include "DescriptionFileFormat.h"
#include "HtmlBlocks.h"
#include "HtmlGenerators.h"
#include "HtmlImport.h"
#include "NewDescription.h"
#include "PastedHtml.h"

#include <gtest/gtest.h>

namespace {
// The fragment read back regenerates itself, also after a save and a load of the result. A
// print fragment that ends in "<BR><BR>" may be read as a Kindle one: its bytes allow both.
void expectExact(const Description& source, const QString& fragment, bool kindle)
{
    // Without "<BR>" or a list a fragment bears no mark of either generator (a print
    // fragment of its call to action alone): it imports as any other text.
    if (!fragment.contains("<BR>") && !fragment.startsWith("<ul><li>"))
        return;
    SCOPED_TRACE(fragment.left(300).toStdString());
    const std::optional<HtmlImport::Result> r = HtmlImport::fromText(fragment);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->exact);
    const auto generate = r->kindle ? GenerateKindleHTML : GenerateCreatespaceHTML;
    EXPECT_EQ(generate(r->description), fragment);
    // Also through a file, where the file could hold the description it came from.
    const auto reread = [](const Description& d) {
        return DescriptionFileFormat::parse(DescriptionFileFormat::format(d)).description;
    };
    if (reread(source) != source)
        return;
    EXPECT_EQ(generate(reread(r->description)), fragment);
    if (kindle || !fragment.endsWith("<BR><BR>"))
        EXPECT_EQ(r->kindle, kindle);
}

void expectBothExact(const Description& d)
{
    expectExact(d, GenerateKindleHTML(d), true);
    expectExact(d, GenerateCreatespaceHTML(d), false);
}
} // namespace

// Every combination of present and blank sections, with breaks inside them.
TEST(HtmlImport, EveryGeneratedFragmentComesBackByteForByte)
{
    const QString texts[] = {"My Book",
                             "A guide\r\nfor all",
                             "Line one\r\nLine two\r\n\r\nPara two",
                             "Why read it:",
                             "Fast\r\nEasy\r\n",
                             "Closing one\r\nClosing two",
                             "Buy now\r\nToday",
                             "Order the paperback"};
    for (int mask = 0; mask < 256; ++mask) {
        Description d;
        for (int i = 0; i < SectionCount; ++i)
            d.Sections[size_t(i)] = mask & (1 << i) ? texts[i] : QString(i % 2 ? "" : "   ");
        expectBothExact(d);
    }
}

TEST(HtmlImport, EachSectionAloneWithAwkwardTextComesBack)
{
    const QString long5000 = QString("word ").repeated(1000);
    const QString texts[] = {"x", "a\r\nb", "  padded  ", "\r\n", "<b>bold</b> start", "Tom & Jerry <i>it</i>",
                             "Hi\r\n", "\r\nlead", "a\rb\nc\n\r\nd", "<BR><BR>", long5000};
    for (int i = 0; i < SectionCount; ++i)
        for (const QString& text : texts) {
            SCOPED_TRACE(testing::Message() << "section " << i);
            Description d;
            d.Sections[size_t(i)] = text;
            expectBothExact(d);
        }
    Description prefilled;
    prefilled[Headline] = "Garden Basics";
    prefilled[BenefitsHeadline] = BenefitsHeadlineTemplate("Garden Basics");
    prefilled[KindleCallToAction] = KindleCallToActionTemplate("Garden Basics");
    prefilled[CreateSpaceCallToAction] = CreateSpaceCallToActionTemplate("Garden Basics");
    expectBothExact(prefilled);
}

// The reading an author expects where the bytes allow several.
TEST(HtmlImport, OwnFragmentsGiveTheSectionsTheyCameFrom)
{
    const Description d{"", {"My Book", "A guide", "Line one\r\nLine two", "Why:", "Fast\r\nEasy", "Closing", "Buy now",
                             "Order the paperback"}};
    Description kindle = d;
    kindle[CreateSpaceCallToAction].clear();
    EXPECT_EQ(HtmlImport::fromText(GenerateKindleHTML(d))->description, kindle);
    Description print = d;
    print[KindleCallToAction].clear();
    EXPECT_EQ(HtmlImport::fromText(GenerateCreatespaceHTML(d) + "\n")->description, print);
}

struct ImportCase {
    const char* html;
    std::array<const char*, SectionCount> sections;
    const char* dropped;
};

TEST(HtmlImport, StoreAndWordProcessorFragmentsImportWithoutLosingAWord)
{
    const ImportCase cases[] = {
        // The store's field as authors fill it in: bold first line, paragraphs, a list.
        {"<b>A thriller you cannot put down</b><br><br>When Anna finds the letter,<br>everything changes."
         "<br><br><b>Inside you will find:</b><br><ul><li>Twists</li><li>A <i>real</i> ending</li></ul>"
         "Readers love it.<br><br>Scroll up and click Buy Now.",
         {"", "A thriller you cannot put down", "When Anna finds the letter,\r\neverything changes.",
          "Inside you will find:", "Twists\r\nA <i>real</i> ending", "Readers love it.", "Scroll up and click Buy Now.",
          ""},
         ""},
        // Copied from a product page: headings, classes, spans, a link, a script and a comment.
        {"<div class=\"desc\"><h2>The Garden Book</h2><h3>Grow more with less</h3><p>Gardening is <span "
         "style=\"color:red\">easy</span>.</p><script>var x = 1;</script><!-- ad --><h4>You will learn</h4>"
         "<ol><li>Soil &amp; seeds</li><li>Watering&nbsp;&mdash; daily</li></ol><p>About the author</p>"
         "<p>Jo has <a href=\"x\">gardened</a> for years.<br>Still does.</p></div>",
         {"The Garden Book", "Grow more with less", "Gardening is easy.", "You will learn",
          "Soil & seeds\r\nWatering\u00a0\u2014 daily", "About the author\r\nJo has gardened for years.<br>Still does.", "",
          ""},
         "<a>, <div>, <script>, <span>, class, comments, href, style"},
        // A word processor's page: Word's classes and fonts, strong and em, an empty paragraph.
        {"<html><head><meta charset=utf-8><title>My Novel</title><style>p {}</style></head><body>"
         "<p class=MsoNormal><strong>Bold claim</strong></p><p class=MsoNormal><o:p>&nbsp;</o:p></p>"
         "<p class=MsoNormal><font face=Arial>First <em>para</em>,</font><u>under</u></p>"
         "<p class=MsoNormal>Second\npara &#8211; &#150; &lt;ok&gt; &#0; a &lt; b &amp;amp;</p></body></html>",
         {"", "Bold claim", "\u00a0\r\n\r\nFirst <em>para</em>,<u>under</u>\r\n\r\nSecond para \u2013 \u2013 &lt;ok> &#0; a < b &amp;amp;",
          "", "", "", "", ""},
         "<font>, <meta>, <o:p>, <style>, charset, class, face"},
        // A heading alone and a second list after the benefits stay words and tags.
        {"<h1>Title</h1><ul><li>One<li>Two</ul><h5>Also</h5><ul><li>Three</li></ul>",
         {"Title", "", "", "", "One\r\nTwo", "<h5>Also</h5>\r\n<ul><li>Three</li></ul>", "", ""}, ""},
        // Unclosed bold across a paragraph break is closed and reopened in each line.
        {"<p><b>Bold one<br>bold two</p><p>after</b> plain</p>",
         {"", "Bold one", "<b>bold two</b>\r\n\r\n<b>after</b> plain", "", "", "", "", ""}, ""},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.html);
        const std::optional<HtmlImport::Result> r = HtmlImport::fromText(QString::fromUtf8(c.html));
        ASSERT_TRUE(r);
        EXPECT_FALSE(r->exact);
        for (int i = 0; i < SectionCount; ++i)
            EXPECT_EQ(r->description.Sections[size_t(i)], QString::fromUtf8(c.sections[size_t(i)])) << "section " << i;
        EXPECT_EQ(r->dropped.join(", "), c.dropped);
    }
}

TEST(HtmlImport, InputIsBoundedAndMustBeText)
{
    EXPECT_FALSE(HtmlImport::fromText(QString("<span>").repeated(MaxHtmlNesting + 1) + "x"));
    EXPECT_TRUE(HtmlImport::fromText(QString("<span>").repeated(MaxHtmlNesting) + "x"));
    EXPECT_TRUE(HtmlImport::fromText(QString("<p>").repeated(100000)));  // p closes itself
    EXPECT_FALSE(HtmlImport::textOfBytes(QByteArray("<p>a\0b</p>", 10)));
    EXPECT_EQ(HtmlImport::textOfBytes(QByteArray("\xFF\xFE<\0b\0>\0", 8)), "<b>");
    EXPECT_EQ(HtmlImport::textOfBytes("\xEF\xBB\xBF\xC3\xA9"), "\u00e9");
    EXPECT_EQ(HtmlImport::textOfBytes("caf\xE9"), "caf\u00e9");
}

// What a paste of formatted text puts in a box: the lines, with <b> and <i> only.
TEST(PastedHtml, WordProcessorAndPageHtmlBecomeLinesWithBoldAndItalics)
{
    const std::pair<const char*, const char*> cases[] = {
        // A document editor wraps everything in a bold tag of normal weight; styles say the rest.
        {"<meta charset=\"utf-8\"><b style=\"font-weight:normal;\" id=\"docs-internal-guid-1\"><p dir=\"ltr\">"
         "<span style=\"font-weight:700\">Bold</span> and <span style=\"font-style:italic;font-weight:400\">slanted"
         "</span></p><p><span>Second</span></p></b>",
         "<b>Bold</b> and <i>slanted</i>\nSecond"},
        // Word: strong, em, u (dropped), a spacer paragraph, a list item with a break inside it.
        {"<p class=MsoNormal><strong>One</strong> <em>two</em> <u>three</u></p><p class=MsoNormal><o:p>&nbsp;</o:p></p>"
         "<ul><li>Item<br>continued</li><li>Next</li></ul>",
         "<b>One</b> <i>two</i> three\nItem continued\nNext"},
        // A page: headings and line breaks are lines; scripts and comments are nothing.
        {"<!--StartFragment--><h3>Title</h3>Line one<br>Line two<script>alert(1)</script><!--EndFragment-->",
         "Title\nLine one\nLine two"},
        {"<span style=\"font-weight:bold\"><i>both</i></span>", "<b><i>both</i></b>"},
        {"<img src=x>", ""},
    };
    for (const auto& [html, box] : cases)
        EXPECT_EQ(HtmlToBoxText(QString::fromUtf8(html)), QString::fromUtf8(box)) << html;
    EXPECT_EQ(HtmlToPlainText(QString::fromUtf8(cases[0].first)), "Bold and slanted\nSecond");
}
