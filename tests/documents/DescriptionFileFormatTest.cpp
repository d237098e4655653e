#include "DescriptionFileFormat.h"

#include <gtest/gtest.h>

namespace Format = DescriptionFileFormat;

namespace {

Description gardenBasics()
{
    Description d;
    d.BookTitle = "Garden Basics";
    d[Headline] = "Grow More With Less";
    d[Subheadline] = "A beginner's guide";
    d[OpeningRemarks] = "Gardening is easy.\r\nThis book shows how.";
    d[BenefitsHeadline] = "In Garden Basics you will learn:";
    d[MainBenefits] = "Soil\r\nSeeds\r\nWatering";
    d[ClosingRemarks] = "";
    d[KindleCallToAction] = "Take action now.";
    d[CreateSpaceCallToAction] = "Order your copy today.";
    return d;
}

const QByteArray GardenBasicsFile = "[[[QVN FILE]]]Garden Basics\r\n"
                                    "Grow More With Less\r\n"
                                    "A beginner's guide\r\n"
                                    "Gardening is easy.<BR>This book shows how.\r\n"
                                    "In Garden Basics you will learn:\r\n"
                                    "Soil<BR>Seeds<BR>Watering\r\n"
                                    "\r\n"
                                    "Take action now.\r\n"
                                    "Order your copy today.\r\n";

} // namespace

TEST(DescriptionFileFormat, GardenBasicsIsNineCrLfLinesByteForByte)
{
    EXPECT_EQ(Format::format(gardenBasics()), GardenBasicsFile);
    const Format::Content content = Format::parse(GardenBasicsFile);
    EXPECT_TRUE(content.recognised);
    EXPECT_EQ(content.linesRead, 9);
    EXPECT_EQ(content.description, gardenBasics());
}

TEST(DescriptionFileFormat, AnEmptyDescriptionIsTheMarkerAndEightEmptyLines)
{
    EXPECT_EQ(Format::format(Description{}), "[[[QVN FILE]]]\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST(DescriptionFileFormat, TheFirstLineIsTrimmedOfSpacesAndTheTitleFollowsTheMarker)
{
    auto title = [](const QByteArray& firstLine) {
        const Format::Content c = Format::parse(firstLine + "\r\n");
        EXPECT_TRUE(c.recognised) << firstLine.constData();
        return c.description.BookTitle;
    };
    EXPECT_EQ(title("   [[[QVN FILE]]]My Title   "), "My Title");
    EXPECT_EQ(title("[[[QVN FILE]]]   My Title"), "   My Title");
    EXPECT_EQ(title("[[[QVN FILE]]]"), "");
    EXPECT_EQ(title("[[[QVN FILE]]]\t"), "\t");  // only spaces are trimmed
    // A UTF-8 byte-order mark from another editor is not part of the text.
    EXPECT_EQ(title("\xEF\xBB\xBF[[[QVN FILE]]]Caf\xC3\xA9"), QString::fromUtf8("Café"));

    for (const QByteArray& bad : {QByteArray("[[[qvn file]]]Title"), QByteArray("\t[[[QVN FILE]]]"),
                                  QByteArray("[[[QVN FILE]]"), QByteArray("<html>")})
        EXPECT_FALSE(Format::parse(bad + "\r\nx\r\n").recognised) << bad.constData();
}

TEST(DescriptionFileFormat, LinesEndAtCrLfOrALoneCrButNotAtALoneLf)
{
    const Format::Content c = Format::parse("[[[QVN FILE]]]T\r\n"
                                            "one\ntwo\r\n"   // LF stays inside the line
                                            "three\r"        // a lone CR ends a line
                                            "four\r\n"
                                            "\r\r\n"
                                            "seven");  // no line end after the last line
    EXPECT_TRUE(c.recognised);
    EXPECT_EQ(c.linesRead, 7);
    EXPECT_EQ(c.description[Headline], "one\ntwo");
    EXPECT_EQ(c.description[Subheadline], "three");
    EXPECT_EQ(c.description[OpeningRemarks], "four");
    EXPECT_EQ(c.description[BenefitsHeadline], "");
    EXPECT_EQ(c.description[MainBenefits], "");
    EXPECT_EQ(c.description[ClosingRemarks], "seven");
    EXPECT_EQ(c.description[KindleCallToAction], "");
}

TEST(DescriptionFileFormat, AShortFileReadsWhatItHasAndSaysHowFarItWent)
{
    const Format::Content empty = Format::parse("");
    EXPECT_FALSE(empty.recognised);
    EXPECT_EQ(empty.linesRead, 0);

    const Format::Content titleOnly = Format::parse("[[[QVN FILE]]]Only\r\n");
    EXPECT_TRUE(titleOnly.recognised);
    EXPECT_EQ(titleOnly.linesRead, 1);
    Description expected;
    expected.BookTitle = "Only";
    EXPECT_EQ(titleOnly.description, expected);

    EXPECT_EQ(Format::parse("[[[QVN FILE]]]").linesRead, 1);
    EXPECT_EQ(Format::parse("[[[QVN FILE]]]\r\n\r\n").linesRead, 2);
}

TEST(DescriptionFileFormat, BrIsTheOnlyEscapeAndIsCaseSensitive)
{
    Description d;
    d[OpeningRemarks] = "typed <BR> here\r\nand <br> there\r\n";
    d[MainBenefits] = "lone\nLF";
    const Format::Content c = Format::parse(Format::format(d));
    EXPECT_EQ(c.description[OpeningRemarks], "typed \r\n here\r\nand <br> there\r\n");
    EXPECT_EQ(c.description[MainBenefits], "lone\nLF");
}

TEST(DescriptionFileFormat, ALoneCrInASectionShiftsEveryLaterSection)
{
    Description d;
    d[Headline] = "head\rshifted";
    d[Subheadline] = "sub";
    const Format::Content c = Format::parse(Format::format(d));
    EXPECT_EQ(c.description[Headline], "head");
    EXPECT_EQ(c.description[Subheadline], "shifted");
    EXPECT_EQ(c.description[OpeningRemarks], "sub");
}

TEST(DescriptionFileFormat, TheExtensionIsAddedUnlessTheLastFourCharactersAreQvn)
{
    EXPECT_EQ(Format::withExtension("/b/Chapter"), "/b/Chapter.qvn");
    EXPECT_EQ(Format::withExtension("/b/Chapter.QVN"), "/b/Chapter.QVN");
    EXPECT_EQ(Format::withExtension("/b/Chapter.Qvn"), "/b/Chapter.Qvn");
    EXPECT_EQ(Format::withExtension("/b/notes.txt"), "/b/notes.txt.qvn");
    EXPECT_EQ(Format::withExtension("/b/xqvn"), "/b/xqvn.qvn");
    EXPECT_EQ(Format::withExtension(".qvn"), ".qvn");
}
