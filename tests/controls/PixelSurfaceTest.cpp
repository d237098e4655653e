#include "ControlsTestSupport.h"
#include "PixelSurface.h"

#include <gtest/gtest.h>

namespace {
constexpr OleColor kBack = RgbColor(250, 250, 250);
constexpr OleColor kInk = RgbColor(10, 20, 30);

PixelSurface Blank(int w, int h)
{
    PixelSurface surface(w, h);
    surface.SetBackColor(kBack);
    surface.Clear();
    return surface;
}

// The painted pixels of a surface as a picture: '#' painted, '.' background.
std::string Map(const PixelSurface& s)
{
    std::string map;
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x)
            map += s.Pixel(x, y) == kBack ? '.' : '#';
        map += '\n';
    }
    return map;
}
} // namespace

TEST(PixelSurface, LinesLeaveOutTheirEndPoint)
{
    PixelSurface s = Blank(8, 6);
    s.Line(1, 0, 5, 0, kInk); // right
    s.Line(6, 1, 2, 1, kInk); // left
    s.Line(7, 1, 7, 5, kInk); // down
    s.Line(0, 2, 2, 0, kInk); // diagonal up, as the frame draws its corners
    s.Line(2, 3, 4, 5, kInk); // diagonal down
    EXPECT_EQ(Map(s), ".####...\n"
                      ".#.#####\n"
                      "#......#\n"
                      "..#....#\n"
                      "...#...#\n"
                      "........\n");
}

TEST(PixelSurface, SlopedLinesPlotOnePixelPerStepAndStopBeforeTheEnd)
{
    PixelSurface s = Blank(10, 6);
    s.Line(0, 0, 6, 2, kInk);
    EXPECT_EQ(CountOtherThan(s, kBack), 6);
    EXPECT_EQ(s.Pixel(0, 0), kInk);
    EXPECT_EQ(s.Pixel(6, 2), kBack);
    for (int x = 0; x < 6; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 6; ++y)
            inColumn += s.Pixel(x, y) == kInk;
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
    // A line of one point draws nothing.
    PixelSurface dot = Blank(3, 3);
    dot.Line(1, 1, 1, 1, kInk);
    EXPECT_EQ(CountOtherThan(dot, kBack), 0);
}

TEST(PixelSurface, OutlinesIncludeBothCornersAndFillsLeaveOutRightAndBottom)
{
    PixelSurface s = Blank(7, 6);
    s.RectOutline(4, 3, 1, 0, kInk);
    s.FillRect(5, 4, 7, 6, kInk);
    EXPECT_EQ(Map(s), ".####..\n"
                      ".#..#..\n"
                      ".#..#..\n"
                      ".####..\n"
                      ".....##\n"
                      ".....##\n");
    PixelSurface fill = Blank(6, 5);
    fill.FillRect(1, 1, 4, 3, kInk);
    EXPECT_EQ(Map(fill), "......\n"
                         ".###..\n"
                         ".###..\n"
                         "......\n"
                         "......\n");
}

TEST(PixelSurface, EllipsesStayInsideTheBoxWithoutItsRightColumnAndBottomRow)
{
    PixelSurface s = Blank(16, 12);
    s.FillEllipse(2, 2, 12, 8, kInk);
    for (int y = 0; y < 12; ++y) {
        EXPECT_EQ(s.Pixel(12, y), kBack);
        EXPECT_EQ(s.Pixel(1, y), kBack);
    }
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(s.Pixel(x, 8), kBack);
        EXPECT_EQ(s.Pixel(x, 1), kBack);
    }
    // It reaches every side of the box and leaves its corners.
    EXPECT_EQ(s.Pixel(2, 5), kInk);
    EXPECT_EQ(s.Pixel(11, 5), kInk);
    EXPECT_EQ(s.Pixel(7, 2), kInk);
    EXPECT_EQ(s.Pixel(7, 7), kInk);
    EXPECT_EQ(s.Pixel(2, 2), kBack);
    EXPECT_EQ(s.Pixel(11, 7), kBack);
    // Mirror-symmetric about the box's centre.
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 12; ++x)
            EXPECT_EQ(s.Pixel(x, y), s.Pixel(13 - x, y)) << x << "," << y;
    // An empty box draws nothing.
    PixelSurface empty = Blank(5, 5);
    empty.FillEllipse(3, 1, 3, 4, kInk);
    empty.FillEllipse(1, 3, 4, 2, kInk);
    EXPECT_EQ(CountOtherThan(empty, kBack), 0);
}

TEST(PixelSurface, RoundedRectangleTestFollowsTheFillConvention)
{
    EXPECT_FALSE(IsInsideRoundRect(0, 0, 0, 0, 10, 10, 4, 4));
    EXPECT_TRUE(IsInsideRoundRect(5, 0, 0, 0, 10, 10, 4, 4));
    EXPECT_TRUE(IsInsideRoundRect(0, 5, 0, 0, 10, 10, 4, 4));
    EXPECT_TRUE(IsInsideRoundRect(5, 9, 0, 0, 10, 10, 4, 4));
    EXPECT_FALSE(IsInsideRoundRect(9, 9, 0, 0, 10, 10, 4, 4));
    EXPECT_FALSE(IsInsideRoundRect(10, 5, 0, 0, 10, 10, 4, 4));
    EXPECT_FALSE(IsInsideRoundRect(5, 10, 0, 0, 10, 10, 4, 4));
    EXPECT_TRUE(IsInsideRoundRect(1, 1, 0, 0, 10, 10, 4, 4));
    // Without rounding it is the plain rectangle.
    EXPECT_TRUE(IsInsideRoundRect(0, 0, 0, 0, 10, 10, 0, 0));
    EXPECT_TRUE(IsInsideRoundRect(9, 9, 0, 0, 10, 10, 0, 0));
}

TEST(PixelSurface, ClearingRestoresTheBackgroundAndWritesOutsideAreClipped)
{
    PixelSurface s = Blank(4, 3);
    s.SetPixel(-1, 0, kInk);
    s.SetPixel(4, 0, kInk);
    s.Line(-5, 1, 10, 1, kInk);
    s.RectOutline(-2, -2, 10, 10, kInk);
    s.FillRect(-3, 2, 2, 9, kInk);
    EXPECT_EQ(Map(s), "....\n"
                      "####\n"
                      "##..\n");
    EXPECT_EQ(s.Pixel(-1, 0), 0u);
    s.Clear();
    EXPECT_EQ(CountOtherThan(s, kBack), 0);
    s.Resize(6, 2);
    EXPECT_EQ(s.Width(), 6);
    EXPECT_EQ(CountOtherThan(s, kBack), 0);
}
