#include "ControlsTestSupport.h"
#include "PixelSurface.h"

#include <gtest/gtest.h>

namespace {
constexpr OleColor kBack = RgbColor(250, 250, 250);
constexpr OleColor kInk = RgbColor(10, 20, 30);
const Legend kInkOnBack{{'.', kBack}, {'#', kInk}};
} // namespace

TEST(PixelSurface, LinesLeaveOutTheirEndPoint)
{
    PixelSurface s = Cleared(8, 6, kBack);
    s.Line(1, 0, 5, 0, kInk); // right
    s.Line(6, 1, 2, 1, kInk); // left
    s.Line(7, 1, 7, 5, kInk); // down
    s.Line(0, 2, 2, 0, kInk); // diagonal up, as the frame draws its corners
    s.Line(2, 3, 4, 5, kInk); // diagonal down
    s.Line(3, 3, 3, 3, kInk); // a single point: nothing
    EXPECT_EQ(MapOf(s, kInkOnBack), ".####...\n"
                                    ".#.#####\n"
                                    "#......#\n"
                                    "..#....#\n"
                                    "...#...#\n"
                                    "........\n");
    // A shallow slope plots the nearest row of each column (y = x / 3, no ties), the end (6, 2) left out.
    PixelSurface sloped = Cleared(8, 3, kBack);
    sloped.Line(0, 0, 6, 2, kInk);
    EXPECT_EQ(MapOf(sloped, kInkOnBack), "##......\n"
                                         "..###...\n"
                                         ".....#..\n");
}

TEST(PixelSurface, OutlinesIncludeBothCornersAndFillsLeaveOutRightAndBottom)
{
    PixelSurface s = Cleared(7, 6, kBack);
    s.RectOutline(4, 3, 1, 0, kInk);
    s.FillRect(4, 4, 6, 5, kInk);
    EXPECT_EQ(MapOf(s, kInkOnBack), ".####..\n"
                                    ".#..#..\n"
                                    ".#..#..\n"
                                    ".####..\n"
                                    "....##.\n"
                                    ".......\n");
}

TEST(PixelSurface, EllipsesStayInsideTheBoxWithoutItsRightColumnAndBottomRow)
{
    PixelSurface s = Cleared(16, 12, kBack);
    s.FillEllipse(2, 2, 12, 8, kInk);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            if (x < 2 || x >= 12 || y < 2 || y >= 8)
                EXPECT_EQ(s.Pixel(x, y), kBack) << x << "," << y;
            else
                EXPECT_TRUE(s.Pixel(x, y) == s.Pixel(13 - x, y) && s.Pixel(x, y) == s.Pixel(x, 9 - y))
                    << "mirrored " << x << "," << y;
        }
    // It reaches every side of the box and leaves its corners.
    for (auto [x, y] : {std::pair{2, 5}, {11, 5}, {7, 2}, {7, 7}})
        EXPECT_EQ(s.Pixel(x, y), kInk) << x << "," << y;
    EXPECT_EQ(s.Pixel(2, 2), kBack);
    EXPECT_EQ(s.Pixel(11, 7), kBack);
    s.Clear();
    s.FillEllipse(3, 1, 3, 4, kInk);
    s.FillEllipse(1, 3, 4, 2, kInk);
    EXPECT_EQ(CountOtherThan(s, kBack), 0) << "empty boxes";
}

TEST(PixelSurface, RoundedRectangleTestFollowsTheFillConvention)
{
    // Box (0, 0)–(10, 10) with 4 × 4 corners, then without rounding.
    const std::tuple<int, int, int, bool> cases[] = {
        {0, 0, 4, false}, {5, 0, 4, true},   {0, 5, 4, true}, {5, 9, 4, true}, {9, 9, 4, false},
        {10, 5, 4, false}, {5, 10, 4, false}, {1, 1, 4, true}, {0, 0, 0, true}, {9, 9, 0, true},
    };
    for (auto [x, y, corner, inside] : cases)
        EXPECT_EQ(IsInsideRoundRect(x, y, 0, 0, 10, 10, corner, corner), inside) << x << "," << y << " corner " << corner;
}

TEST(PixelSurface, ClearingRestoresTheBackgroundAndWritesOutsideAreClipped)
{
    PixelSurface s = Cleared(4, 3, kBack);
    s.SetPixel(-1, 0, kInk);
    s.SetPixel(4, 0, kInk);
    s.Line(-5, 1, 10, 1, kInk);
    s.RectOutline(-2, -2, 10, 10, kInk);
    s.FillRect(-3, 2, 2, 9, kInk);
    EXPECT_EQ(MapOf(s, kInkOnBack), "....\n####\n##..\n");
    EXPECT_EQ(s.Pixel(-1, 0), 0u);
    s.Clear();
    EXPECT_EQ(MapOf(s, kInkOnBack), "....\n....\n....\n");
    s.Resize(6, 2);
    EXPECT_EQ(MapOf(s, kInkOnBack), "......\n......\n");
}
