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

// Ellipse box (2, 2)–(12, 8): painted pixels span exactly columns 2–11 and rows 2–7, mirrored
// about the box's centre, corners left out. The rounded-rectangle test follows the same convention.
TEST(PixelSurface, EllipsesAndRoundedRectanglesLeaveOutTheRightColumnAndBottomRow)
{
    PixelSurface s = Cleared(16, 12, kBack);
    s.FillEllipse(2, 2, 12, 8, kInk);
    QRect painted;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            if (s.Pixel(x, y) == kInk) {
                painted |= QRect(x, y, 1, 1);
                EXPECT_TRUE(s.Pixel(13 - x, y) == kInk && s.Pixel(x, 9 - y) == kInk) << "mirrored " << x << "," << y;
            }
    EXPECT_EQ(painted, QRect(2, 2, 10, 6));
    EXPECT_EQ(s.Pixel(2, 2), kBack);
    // Box (0, 0)–(10, 10) with 4 × 4 corners, then without rounding.
    for (auto [x, y, corner, inside] : {std::tuple{0, 0, 4, false}, {5, 0, 4, true}, {9, 9, 4, false}, {10, 5, 4, false},
                                        {5, 10, 4, false}, {1, 1, 4, true}, {9, 9, 0, true}})
        EXPECT_EQ(IsInsideRoundRect(x, y, 0, 0, 10, 10, corner, corner), inside) << x << "," << y << " corner " << corner;
}

// Outlines include both corners, fills leave out their right column and bottom row, and
// whatever falls outside the surface is clipped.
TEST(PixelSurface, OutlinesFillsAndClipping)
{
    PixelSurface s = Cleared(7, 6, kBack);
    s.RectOutline(4, 3, 1, 0, kInk);
    s.FillRect(4, 4, 6, 5, kInk);
    s.Line(-5, 5, 10, 5, kInk);
    s.FillRect(-3, 4, 1, 9, kInk);
    s.SetPixel(-1, 0, kInk);
    s.SetPixel(7, 0, kInk);
    s.RectOutline(-2, -2, 10, 10, kInk);
    EXPECT_EQ(MapOf(s, kInkOnBack), ".####..\n"
                                    ".#..#..\n"
                                    ".#..#..\n"
                                    ".####..\n"
                                    "#...##.\n"
                                    "#######\n");
    EXPECT_EQ(s.Pixel(-1, 0), 0u);
    s.Clear();
    EXPECT_EQ(ColoursIn(s), std::set{kBack});
    s.Resize(6, 2);
    EXPECT_EQ(MapOf(s, kInkOnBack), "......\n......\n");
}
