#include "ButtonTypes.h"
#include "ShapeGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Rows of a region as "y:first-last", one run per stretch of member columns.
std::string Rows(const ShapeRegion& region, std::initializer_list<int> rows)
{
    std::string text;
    for (int y : rows) {
        text += (text.empty() ? "" : " ") + std::to_string(y) + ":";
        for (int x = 0; x < region.Width(); ++x)
            if (region.Contains(x, y) && !region.Contains(x - 1, y)) {
                int last = x;
                while (region.Contains(last + 1, y))
                    ++last;
                text += (text.back() == ':' ? "" : ",") + std::to_string(x) + "-" + std::to_string(last);
            }
    }
    return text;
}
} // namespace

TEST(ShapeGeometry, CornerRadiusByStyle)
{
    const std::tuple<int, int, int, std::optional<int>> cases[] = {
        {StyleCapsuleGloss, 40, 20, 11}, {StyleCapsuleShine, 80, 24, 13}, {StyleBubble, 10, 30, 5},
        {StyleCapsuleGloss, 1, 10, 0}, // Clamp(6, 1, 0): the low test comes first, then the high one
        {StyleRoundedGloss, 10, 10, 12}, {StyleRoundedGloss, 400, 100, 12}, {StyleCrescent, 60, 23, 7},
        {StyleCrescent, 2, 2, 1},        {StyleCentreGlow, 60, 23, 6},      {StyleCentreGlow, 12, 40, 3},
        {StyleStandard, 40, 20, {}},     {StyleToolbar, 40, 20, {}},        {8, 40, 20, {}},
        {-1, 40, 20, {}},
    };
    for (const auto& [style, w, h, radius] : cases)
        EXPECT_EQ(CornerRadiusFor(style, w, h), radius) << "style " << style << " " << w << "x" << h;
}

// 40 × 20, Style 2: radius Clamp(20 \ 2 + 1, 1, 40 \ 2) = 11. Row y uses |y − 11| (top band,
// y ≤ 11) or |y − 9| (bottom band); a corner column needs round(√(121 − a²)) above that.
// Row 1: |1 − 11| = 10 needs a root of 11, so |a| ≤ 3 (√112 = 10.58 → 11, √105 = 10.25 → 10).
TEST(ShapeGeometry, CapsuleOutlineOfFortyByTwenty)
{
    const ShapeRegion outline = BuildShapeRegion(0, 0, 40, 20, 11);
    ASSERT_EQ(std::pair(outline.Width(), outline.Height()), std::pair(40, 20));
    EXPECT_EQ(Rows(outline, {0, 1, 2, 5, 10, 11, 18, 19}), "0: 1:8-32 2:6-34 5:3-37 10:1-39 11:1-39 18:6-34 19:8-32");
    // Column 40 and row 20 lie outside the box altogether.
    EXPECT_FALSE(outline.Contains(40, 10) || outline.Contains(20, 20));
    for (int y = 0; y < 20; ++y) {
        EXPECT_FALSE(outline.Contains(0, y)) << y;
        for (int x = 1; x < 40; ++x)
            EXPECT_EQ(outline.Contains(x, y), outline.Contains(40 - x, y)) << "mirrored " << x << "," << y;
    }
}

// Style 3 keeps radius 12 on narrow buttons: the corner bands overlap and the first rule that
// applies decides, so columns below 12 always use the left corner. Row 15 of the 20-wide one is
// in no band: the straight edges.
TEST(ShapeGeometry, RoundedOutlineKeepsItsRadiusOnNarrowButtons)
{
    EXPECT_EQ(Rows(BuildShapeRegion(0, 0, 20, 30, 12), {0, 1, 6, 12, 15, 29}), "0: 1:9-11 6:2-18 12:1-19 15:1-19 29:9-11");
    EXPECT_EQ(Rows(BuildShapeRegion(0, 0, 10, 30, 12), {1, 6, 12}), "1:9-9 6:2-9 12:1-9");
}

// Row 2 of the inner box is its dy = 1: |1 − 11| = 10 again, so a = x − 1 − 11 in −3..−1.
// Radius 0 builds with radius 1: every pixel of the box but its first row and column.
TEST(ShapeGeometry, InnerOutlineIsOnePixelInAndRadiusIsAtLeastOne)
{
    const ShapeRegion inner = BuildShapeRegion(1, 1, 38, 18, 11);
    EXPECT_EQ(std::pair(inner.Width(), inner.Height()), std::pair(39, 19));
    EXPECT_EQ(Rows(inner, {1, 2}), "1: 2:9-31");
    for (int y = 0; y < 19; ++y)
        EXPECT_FALSE(inner.Contains(1, y));
    const ShapeRegion square = BuildShapeRegion(0, 0, 5, 4, 0);
    EXPECT_EQ(square, BuildShapeRegion(0, 0, 5, 4, 1));
    EXPECT_EQ(Rows(square, {0, 1, 3}), "0: 1:1-4 3:1-4");
}
