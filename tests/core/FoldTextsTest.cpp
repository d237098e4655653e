#include "FoldPlace.h"
#include "FoldProfile.h"
#include "FoldedPage.h"
#include "HtmlGenerators.h"
#include "PreviewPage.h"

#include <gtest/gtest.h>

TEST(FoldTexts, WhatStandsAboveCountsTypedCharactersAndNamesWholeSections)
{
    Description d;
    d[Headline] = "Grow";
    d[OpeningRemarks] = "ab\r\ncdef";
    FoldPlace place{true, OpeningRemarks, 4, 1, -1, 0, {Headline}};
    // The line break counts once, as the box shows it.
    EXPECT_EQ(FoldAboveText(place, d), "the headline and 3 characters of the opening remarks");
    place.offset = 1;
    EXPECT_EQ(FoldAboveText(place, d), "the headline and 1 character of the opening remarks");
    place.offset = 0;
    place.wholeAbove << Subheadline;
    EXPECT_EQ(FoldAboveText(place, d), "the headline and the sub-headline");
    place.wholeAbove.clear();
    EXPECT_EQ(FoldAboveText(place, d), "nothing");
    place.linesAbove = 0;
    EXPECT_EQ(FoldMeterText(place), "fold above OPENING REMARKS");
    place.linesAbove = 2;
    EXPECT_EQ(FoldMeterText(place), "fold in OPENING REMARKS, line 2");
    EXPECT_EQ(FoldAboveText(FoldPlace{}, d), "the whole description");
    EXPECT_EQ(SectionPhrase(KindleCallToAction), "the call to action for Kindle book");
}

TEST(FoldTexts, ProfilesByTheirStoredNamesWithTheDesktopPageForAnythingElse)
{
    EXPECT_EQ(FoldProfileAt(FoldProfileIndex("Phone")).collapsedLines, 3);
    EXPECT_EQ(FoldProfileAt(FoldProfileIndex("desktop page,older")).collapsedPx, 140);
    EXPECT_EQ(FoldProfileAt(FoldProfileIndex("Tablet")).collapsedPx, 280);
    EXPECT_FALSE(FoldProfileAt(FoldProfileIndex("Whole description")).folds());
    EXPECT_EQ(FoldSettingRow().choices().size(), FoldProfileCount);
    EXPECT_EQ(FoldSettingRow().defaultValue, "Desktop page");
}

TEST(FoldTexts, SectionOffsetsBackThroughTheFragmentsLineBreaks)
{
    Description d;
    d[OpeningRemarks] = "ab\r\ncd";
    d[MainBenefits] = "x\r\ny";
    const QString kindle = GenerateKindleHTML(d);
    const QList<FragmentSection> pieces = FragmentSections(d, true);
    ASSERT_EQ(pieces.size(), 2);
    EXPECT_EQ(kindle.mid(pieces[0].start, pieces[0].end - pieces[0].start), "ab<BR>cd");
    EXPECT_EQ(kindle.mid(pieces[1].start, pieces[1].end - pieces[1].start), "x</li><li>y");
    EXPECT_EQ(SectionTextOffset(d[OpeningRemarks], pieces[0], kindle.indexOf("cd")), 4);
    EXPECT_EQ(SectionTextOffset(d[MainBenefits], pieces[1], kindle.indexOf("y</li></ul>")), 3);
}

TEST(FoldTexts, MarksTravelAsArgumentsAndOnlyAFoldingProfileChangesThePage)
{
    const QString page = BuildPreviewPage(PreviewTarget::Kindle, "one two");
    FoldMarks marks;
    marks.fragmentStart = PreviewPageHead(PreviewTarget::Kindle).size();
    marks.fragmentEnd = marks.fragmentStart + 7;
    marks.chosen = 2;
    marks.at = {4, -1, 0, -1};
    marks.above = {"the headline, 4 characters & \"more\"", "the whole description", "nothing", ""};
    EXPECT_EQ(ParseFoldArguments(FoldArguments(marks)), marks);
    EXPECT_FALSE(ParseFoldArguments({"--owner=5"}).isValid());

    EXPECT_EQ(FoldedPreviewPage(page, marks, 3), page);
    EXPECT_EQ(FoldedPreviewPage(page, FoldMarks{}, 0), page);
    const QString folded = FoldedPreviewPage(page, marks, 0);
    EXPECT_TRUE(folded.startsWith(PreviewPageHead(PreviewTarget::Kindle)) && folded.endsWith("two</div></BODY></HTML>"));
    EXPECT_TRUE(folded.contains("width:683px;font-size:14px"));
    EXPECT_TRUE(folded.contains("one <div class=\"qvn-more\" role=\"heading\" aria-level=\"2\" title=\"Above the fold on "
                                "the desktop page: the headline, 4 characters &amp; &quot;more&quot;.\">Read more</div>two"));
    EXPECT_FALSE(FoldedPreviewPage(page, marks, 1).contains("Read more"));
}
