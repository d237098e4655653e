#include "DescriptionFileFormat.h"

#include <gtest/gtest.h>

namespace Format = DescriptionFileFormat;

TEST(DescriptionFileFormat, TheFirstLineIsTrimmedOfSpacesAndTheTitleFollowsTheMarker)
{
    const std::pair<QByteArray, QString> titles[] = {
        {"   [[[QVN FILE]]]My Title   ", "My Title"}, {"[[[QVN FILE]]]   My Title", "   My Title"},
        {"[[[QVN FILE]]]", ""}, {"[[[QVN FILE]]]\t", "\t"},  // only spaces are trimmed
        {"\xEF\xBB\xBF[[[QVN FILE]]]Caf\xC3\xA9", "Café"}};  // a UTF-8 byte-order mark is no text
    for (const auto& [firstLine, title] : titles) {
        SCOPED_TRACE(firstLine.constData());
        const Format::Content c = Format::parse(firstLine + "\r\n");  // a file of one line
        EXPECT_TRUE(c.recognised);
        EXPECT_EQ(c.linesRead, 1);
        EXPECT_EQ(c.description, (Description{title, {}}));
    }
    for (const char* bad : {"[[[qvn file]]]Title", "\t[[[QVN FILE]]]", "[[[QVN FILE]]", ""})
        EXPECT_FALSE(Format::parse(QByteArray(bad) + "\r\nx\r\n").recognised) << bad;
}

TEST(DescriptionFileFormat, LinesEndAtCrLfOrALoneCrButNotAtALoneLf)
{
    EXPECT_EQ(Format::format(Description{}), "[[[QVN FILE]]]\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    const Format::Content c = Format::parse("[[[QVN FILE]]]T\r\none\ntwo\r\nthree\rfour\r\n\r\r\nseven");
    EXPECT_EQ(c.linesRead, 7);  // the last line needs no line end
    EXPECT_EQ(c.description, (Description{"T", {"one\ntwo", "three", "four", "", "", "seven", "", ""}}));

    // Saved and read back: "<BR>" typed by the author is a line break, "<br>" is not, a lone
    // LF stays in its line and a lone CR moves every later section down one line.
    const Description d{"", {"head\rshifted", "typed <BR> here\r\nand <br> there\r\n", "lone\nLF"}};
    EXPECT_EQ(Format::parse(Format::format(d)).description,
              (Description{"", {"head", "shifted", "typed \r\n here\r\nand <br> there\r\n", "lone\nLF"}}));
}

TEST(DescriptionFileFormat, TheExtensionIsAddedUnlessTheLastFourCharactersAreQvn)
{
    for (const char* kept : {"/b/Chapter.QVN", "/b/Chapter.Qvn", ".qvn"})
        EXPECT_EQ(Format::withExtension(kept), kept);
    for (const char* extended : {"/b/Chapter", "/b/notes.txt", "/b/xqvn"})
        EXPECT_EQ(Format::withExtension(extended), QString(extended) + ".qvn");
}
