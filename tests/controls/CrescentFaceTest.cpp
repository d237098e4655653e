#include "ControlsTestSupport.h"
#include "CrescentFace.h"

#include <gtest/gtest.h>

namespace {
constexpr OleColor kBack = RgbColor(10, 20, 30);
constexpr OleColor kFace = RgbColor(100, 100, 100);
constexpr OleColor kBright = RgbColor(200, 0, 100);
} // namespace

// 40 × 21 (W1 = 39, H1 = 20, R = 7). Row y blends the face toward bright by
// |(2y − 20) · 100 \ 20| percent; the crescent's rows take 30 · y \ 7 percent from white toward
// the face; the border is the face at half brightness.
TEST(CrescentFace, GradientCrescentAndBorder)
{
    PixelSurface s = Cleared(40, 21, kBack);
    PaintCrescentFace(s, 39, 20, kFace, kBright, 7);
    const std::vector<std::tuple<int, int, const char*>> pixels = {
        {20, 3, "237,237,237"}, {19, 3, "237,237,237"}, // crescent, row 3: 12 percent
        {20, 4, "160,40,100"},                         // inside the lower bar: 60 percent
        {20, 2, "180,20,100"},                         // above the upper bar: 80 percent
        {20, 10, "100,100,100"},                       // the middle row: the face itself
        {20, 1, "50,50,50"},    {20, 19, "50,50,50"},  {1, 10, "50,50,50"}, {38, 10, "50,50,50"},
    };
    for (auto [x, y, rgb] : pixels)
        EXPECT_EQ(Rgb(s.Pixel(x, y)), rgb) << x << "," << y;
    // The last column and row keep the cleared background, as does the outside of the corners.
    for (int y = 0; y < 21; ++y)
        EXPECT_EQ(s.Pixel(39, y), kBack) << y;
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(s.Pixel(x, 20), kBack) << x;
    EXPECT_EQ(s.Pixel(0, 0), kBack);
    EXPECT_EQ(s.Pixel(20, 0), kBack);
}

// Rows from R on keep the crescent colour of row R − 1. On 40 × 9 (R = 3) the crescent's left
// end reaches row 6, painted with row 2's 30 · 2 \ 3 = 20 percent.
TEST(CrescentFace, CrescentColourHeldFromRowR)
{
    PixelSurface s = Cleared(40, 9, kBack);
    PaintCrescentFace(s, 39, 8, kFace, kBright, 3);
    EXPECT_EQ(Rgb(s.Pixel(5, 6)), "224,224,224");
    EXPECT_EQ(Rgb(s.Pixel(33, 6)), "224,224,224");
}

// One row high would divide by zero: nothing is painted.
TEST(CrescentFace, OneRowHighPaintsNothing)
{
    PixelSurface s = Cleared(10, 1, kBack);
    PaintCrescentFace(s, 9, 0, kFace, kBright, 1);
    EXPECT_EQ(ColoursIn(s), std::set{kBack});
}
