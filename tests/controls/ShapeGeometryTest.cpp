#include "ButtonTypes.h"
#include "ShapeGeometry.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
// The columns of one row that belong to a region, as runs [first, last].
std::vector<std::pair<int, int>> Runs(const ShapeRegion& region, int y)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < region.Width(); ++x) {
        if (!region.Contains(x, y))
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

using RunList = std::vector<std::pair<int, int>>;
} // namespace

TEST(ShapeGeometry, CornerRadiusByStyle)
{
    EXPECT_EQ(CornerRadiusFor(StyleCapsuleGloss, 40, 20), 11);
    EXPECT_EQ(CornerRadiusFor(StyleCapsuleShine, 80, 24), 13);
    EXPECT_EQ(CornerRadiusFor(StyleBubble, 10, 30), 5); // H \ 2 + 1 = 16, capped at W \ 2
    EXPECT_EQ(CornerRadiusFor(StyleRoundedGloss, 10, 10), 12);
    EXPECT_EQ(CornerRadiusFor(StyleRoundedGloss, 400, 100), 12);
    EXPECT_EQ(CornerRadiusFor(StyleCrescent, 60, 23), 7);
    EXPECT_EQ(CornerRadiusFor(StyleCrescent, 2, 2), 1);
    EXPECT_EQ(CornerRadiusFor(StyleCentreGlow, 60, 23), 6);
    EXPECT_EQ(CornerRadiusFor(StyleCentreGlow, 12, 40), 3);
    EXPECT_EQ(CornerRadiusFor(StyleStandard, 40, 20), std::nullopt);
    EXPECT_EQ(CornerRadiusFor(StyleToolbar, 40, 20), std::nullopt);
    EXPECT_EQ(CornerRadiusFor(8, 40, 20), std::nullopt);
    EXPECT_EQ(CornerRadiusFor(-1, 40, 20), std::nullopt);
}

TEST(ShapeGeometry, CornerTestComparesWithTheRoundedRoot)
{
    EXPECT_TRUE(IsInsideCorner(0, 11, 11));   // |0| < round(11)
    EXPECT_FALSE(IsInsideCorner(-11, 11, 11)); // root 0: nothing is closer than 0
    EXPECT_FALSE(IsInsideCorner(12, 11, 11));  // beyond the radius
    // Row 1 of an 11-pixel corner: |1 − 11| = 10 needs a root of 11, so |a| ≤ 3.
    EXPECT_TRUE(IsInsideCorner(-3, 1, 11));  // √112 = 10.58 → 11
    EXPECT_FALSE(IsInsideCorner(-4, 1, 11)); // √105 = 10.25 → 10
}

// 40 × 20, Style 2: radius Clamp(20 \ 2 + 1, 1, 40 \ 2) = 11. Row y uses |y − 11| (top band,
// y ≤ 11) or |y − 9| (bottom band); a corner column needs round(√(121 − a²)) above that.
TEST(ShapeGeometry, CapsuleOutlineOfFortyByTwenty)
{
    const ShapeRegion outline = BuildShapeRegion(0, 0, 40, 20, 11);
    ASSERT_EQ(outline.Width(), 40);
    ASSERT_EQ(outline.Height(), 20);
    EXPECT_EQ(Runs(outline, 0), RunList{});
    EXPECT_EQ(Runs(outline, 1), (RunList{{8, 32}}));
    EXPECT_EQ(Runs(outline, 2), (RunList{{6, 34}}));
    EXPECT_EQ(Runs(outline, 5), (RunList{{3, 37}}));
    EXPECT_EQ(Runs(outline, 10), (RunList{{1, 39}}));
    EXPECT_EQ(Runs(outline, 11), (RunList{{1, 39}}));
    EXPECT_EQ(Runs(outline, 18), (RunList{{6, 34}}));
    EXPECT_EQ(Runs(outline, 19), (RunList{{8, 32}}));
    for (int y = 0; y < 20; ++y)
        EXPECT_FALSE(outline.Contains(0, y)) << y;
    // Column 40 and row 20 lie outside the box altogether.
    EXPECT_FALSE(outline.Contains(40, 10));
    EXPECT_FALSE(outline.Contains(20, 20));
    // The two ends mirror each other about x = 20.
    for (int y = 0; y < 20; ++y)
        for (int x = 1; x < 40; ++x)
            EXPECT_EQ(outline.Contains(x, y), outline.Contains(40 - x, y)) << x << "," << y;
}

// Style 3 keeps radius 12 on narrow buttons: the corner bands overlap and the first rule that
// applies decides, so columns below 12 always use the left corner.
TEST(ShapeGeometry, RoundedOutlineKeepsItsRadiusOnNarrowButtons)
{
    const ShapeRegion twenty = BuildShapeRegion(0, 0, 20, 30, *CornerRadiusFor(StyleRoundedGloss, 20, 30));
    EXPECT_EQ(Runs(twenty, 0), RunList{});
    EXPECT_EQ(Runs(twenty, 1), (RunList{{9, 11}}));
    EXPECT_EQ(Runs(twenty, 6), (RunList{{2, 18}}));
    EXPECT_EQ(Runs(twenty, 12), (RunList{{1, 19}}));
    EXPECT_EQ(Runs(twenty, 15), (RunList{{1, 19}})); // no band applies: the straight edges
    EXPECT_EQ(Runs(twenty, 29), (RunList{{9, 11}}));

    const ShapeRegion ten = BuildShapeRegion(0, 0, 10, 30, 12);
    EXPECT_EQ(Runs(ten, 1), (RunList{{9, 9}}));
    EXPECT_EQ(Runs(ten, 6), (RunList{{2, 9}}));
    EXPECT_EQ(Runs(ten, 12), (RunList{{1, 9}}));
}

TEST(ShapeGeometry, InnerOutlineIsOnePixelInAndRadiusIsAtLeastOne)
{
    const ShapeRegion inner = BuildShapeRegion(1, 1, 38, 18, 11);
    EXPECT_EQ(inner.Width(), 39);
    EXPECT_EQ(inner.Height(), 19);
    EXPECT_EQ(Runs(inner, 1), RunList{});
    // Row 2 of the inner box is its dy = 1: |1 − 11| = 10 again, so a = x − 1 − 11 in −3..−1.
    EXPECT_EQ(Runs(inner, 2), (RunList{{9, 31}}));
    for (int y = 0; y < 19; ++y)
        EXPECT_FALSE(inner.Contains(1, y));

    // Radius 0 builds with radius 1: every pixel of the box but its first row and column.
    const ShapeRegion square = BuildShapeRegion(0, 0, 5, 4, 0);
    EXPECT_EQ(square, BuildShapeRegion(0, 0, 5, 4, 1));
    EXPECT_EQ(Runs(square, 0), RunList{});
    EXPECT_EQ(Runs(square, 1), (RunList{{1, 4}}));
    EXPECT_EQ(Runs(square, 3), (RunList{{1, 4}}));
}

TEST(ShapeGeometry, QtRegionHoldsExactlyTheSamePixels)
{
    const ShapeRegion outline = BuildShapeRegion(0, 0, 40, 20, 11);
    const QRegion region = outline.ToQRegion();
    int inside = 0;
    for (int y = -1; y <= 21; ++y)
        for (int x = -1; x <= 41; ++x) {
            EXPECT_EQ(region.contains(QPoint(x, y)), outline.Contains(x, y)) << x << "," << y;
            inside += outline.Contains(x, y);
        }
    EXPECT_EQ(inside, outline.Count());
}
