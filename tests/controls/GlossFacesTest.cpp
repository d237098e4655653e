#include "ControlsTestSupport.h"
#include "GlossFace.h"
#include "ColorMath.h"
#include "GlossParams.h"
#include "ShapeGeometry.h"

#include <gtest/gtest.h>

#include <array>

namespace {
constexpr OleColor kBack = RgbColor(10, 20, 30);
constexpr OleColor kFace = RgbColor(55, 155, 255);
constexpr OleColor kBright = RgbColor(255, 55, 155);

// A gloss style painted the way the button paints it: the record and the inner outline of its
// size and corner radius.
PixelSurface Gloss(int style, int w, int h, int brightness = 0, bool enabled = true, OleColor colour = kFace)
{
    const int r = *CornerRadiusFor(style, w, h);
    PixelSurface s = Cleared(w, h, kBack);
    const ShapeRegion inner = BuildShapeRegion(1, 1, w - 2, h - 2, r);
    GlossLook look;
    look.cornerRadius = r;
    look.innerShape = &inner;
    look.enabled = enabled;
    look.borderBrightness = brightness;
    look.bright = kBright;
    PaintGlossFace(s, w, h, colour, *GlossParamsFor(style, w, h, r), look);
    return s;
}

GlossParams Params(std::array<int, 12> v)
{
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]};
}
} // namespace

TEST(GlossParams, EachStyleOwnRecord)
{
    // Style 2, 80 × 24, R = 13: gloss (6, 1)–(106, 14), corner 6, glow centre (40, 24).
    EXPECT_EQ(GlossParamsFor(StyleCapsuleGloss, 80, 24, 13), Params({0, 50, 6, 1, 6, 14, 106, 300, 60, 40, 24, 120}));
    // 1.1 · 15 = 16.5 goes to the even 16; 81 / 2 = 40.5 goes to 40.
    EXPECT_EQ(GlossParamsFor(StyleCapsuleGloss, 81, 30, 15), Params({0, 50, 7, 1, 7, 16, 111, 300, 60, 40, 30, 120}));
    // Style 3 at height 40: min(100 − 17, 80) = 80; at 10: 100 − 70 = 30; at 7: 0.
    EXPECT_EQ(GlossParamsFor(StyleRoundedGloss, 80, 40, 12), Params({0, 70, 4, 0, 10, 12, 104, 200, 80, 40, 40, 130}));
    EXPECT_EQ(GlossParamsFor(StyleRoundedGloss, 80, 10, 12)->GlowHeightPercent, 30);
    EXPECT_EQ(GlossParamsFor(StyleRoundedGloss, 80, 7, 12)->GlowHeightPercent, 0);
    EXPECT_EQ(GlossParamsFor(StyleCapsuleShine, 80, 24, 13), Params({0, 70, 3, 0, 6, 13, 106, 200, 70, 40, 24, 130}));
    EXPECT_EQ(GlossParamsFor(StyleBubble, 80, 24, 13), Params({0, 40, -7, -13, 13, 14, 106, 60, 60, 40, 24, 130}));
    // Style 7: R / 2 = 2.5 goes to 2; its own right edge W − R and glow centre round(31 / 2) = 16.
    EXPECT_EQ(GlossParamsFor(StyleCentreGlow, 81, 31, 5), Params({0, 50, 2, 2, 2, 6, 76, 60, 60, 40, 16, 100}));
    for (int style : {0, 1, 6, 8, -1})
        EXPECT_FALSE(GlossParamsFor(style, 80, 24, 13).has_value()) << style;
    EXPECT_FALSE(GlossParamsFor(StyleRoundedGloss, 80, 0, 12).has_value()) << "700 \\ 0";
}

// The capsule gloss ends at round(1.1 · R): 5.5, 6.6 and 17.6 go up, where truncating would
// end it a row earlier; its left edge and corner are R \ 2. The row above GlossBottom is the
// last one painted as gloss.
TEST(GlossParams, CapsuleGlossBottomRoundsWhereTruncationWouldCutARow)
{
    for (const auto& [r, height, half, bottom] : {std::array{5, 9, 2, 6}, {6, 11, 3, 7}, {16, 31, 8, 18}}) {
        SCOPED_TRACE(r);
        ASSERT_EQ(CornerRadiusFor(StyleCapsuleGloss, 40, height), r);
        const GlossParams p = *GlossParamsFor(StyleCapsuleGloss, 40, height, r);
        EXPECT_EQ(p.GlossLeft, half);
        EXPECT_EQ(p.GlossCorner, half);
        EXPECT_EQ(p.GlossBottom, bottom);
        const auto glossRow = [r = r](int y) {
            int percent = 50 * y / r;
            return Rgb(BlendColors(RgbColor(255, 255, 255), kFace, percent));
        };
        const PixelSurface s = Gloss(StyleCapsuleGloss, 40, height);
        EXPECT_EQ(Rgb(s.Pixel(20, bottom - 1)), glossRow(bottom - 1));
        EXPECT_NE(Rgb(s.Pixel(20, bottom)), glossRow(bottom));
    }
}

// Style 2 on 80 × 24 (R = 13). Gloss rows blend white toward the face by 50 · y \ 13 percent;
// below row 13 the glow shows. Its box (−200, 10)–(280, 38) shrinks by round(240 / 14) = 17 a
// side and 1 a row per step, so in column 40 row y lies in ellipses 1 to k and takes
// round(120 · k / 14) percent toward bright: row 14 k = 5 (43), row 20 k = 11 (94), row 22
// k = 13 (over 100, bright itself).
TEST(GlossFace, CapsuleGlossRowByRow)
{
    const PixelSurface s = Gloss(StyleCapsuleGloss, 80, 24);
    const std::vector<std::tuple<int, int, const char*>> pixels = {
        {40, 2, "241,248,255"},  {40, 12, "163,209,255"}, {40, 13, "155,205,255"},
        {40, 14, "141,112,212"}, {40, 20, "243,61,161"},  {10, 20, "243,61,161"},
        {40, 22, "255,55,155"},
        // The ring: outside the inner outline, mirrored about the middle.
        {40, 1, "55,155,255"},   {40, 23, "55,155,255"},  {1, 12, "55,155,255"}, {79, 12, "55,155,255"},
    };
    for (auto [x, y, rgb] : pixels)
        EXPECT_EQ(Rgb(s.Pixel(x, y)), rgb) << x << "," << y;
}

// The ring's shade: 0 is the face, 100 white, −100 black; halves truncate toward the face.
TEST(GlossFace, BorderBrightnessShadesTheRing)
{
    for (auto [brightness, rgb] : {std::pair{0, "55,155,255"}, {100, "255,255,255"}, {-100, "0,0,0"},
                                   {50, "155,205,255"}, {-50, "28,78,128"}}) {
        const PixelSurface s = Gloss(StyleCapsuleGloss, 80, 24, brightness);
        for (auto [x, y] : {std::pair{40, 1}, {1, 12}, {79, 12}, {40, 23}})
            EXPECT_EQ(Rgb(s.Pixel(x, y)), rgb) << brightness << " at " << x << "," << y;
        EXPECT_EQ(Rgb(s.Pixel(40, 14)), "141,112,212") << "the face keeps its colour";
    }
}

// Disabled: face (192, 192, 176) and glow toward white whatever colour it was given.
TEST(GlossFace, DisabledIsGreyTowardWhite)
{
    const PixelSurface s = Gloss(StyleCapsuleGloss, 80, 24, 0, false);
    EXPECT_EQ(Gloss(StyleCapsuleGloss, 80, 24, 0, false, RgbColor(1, 2, 3)).Image(), s.Image());
    for (auto [x, y, rgb] : {std::tuple{40, 13, "224,224,216"}, {40, 14, "219,219,209"}, {40, 22, "255,255,255"},
                             {40, 1, "192,192,176"}})
        EXPECT_EQ(Rgb(s.Pixel(x, y)), rgb) << x << "," << y;
}

// A box taller than wide: the height shrinks by round(24 / 6) = 4 a step and the width by 1, so
// six ellipses reach the middle together. The centre lies in all six (round(100 · 6 / 24) = 25
// percent), the top row only in the first two (8 percent).
TEST(GlossFace, TheLongerAxisShrinksFaster)
{
    PixelSurface s = Cleared(10, 40, kBack);
    PaintGlow(s, RgbColor(0, 0, 0), RgbColor(200, 100, 0), Params({0, 0, 0, 0, 0, 0, 0, 60, 60, 5, 20, 100}), 10, 40);
    EXPECT_EQ(Rgb(s.Pixel(5, 20)), "50,25,0");
    EXPECT_EQ(Rgb(s.Pixel(5, 0)), "16,8,0");
    EXPECT_EQ(Rgb(s.Pixel(4, 39)), "16,8,0");
    EXPECT_EQ(s.Pixel(0, 0), kBack) << "outside the first ellipse";
}

// A glow half-axis of 0 would divide the step by zero: no glow, the rest of the face stays.
TEST(GlossFace, DegenerateSizesPaintWhatTheyCan)
{
    PixelSurface s = Cleared(40, 10, kBack);
    PaintGlow(s, kFace, kBright, Params({0, 0, 0, 0, 0, 0, 0, 60, 0, 20, 5, 100}), 40, 10);
    PaintGlow(s, kFace, kBright, Params({0, 0, 0, 0, 0, 0, 0, 0, 60, 20, 5, 100}), 40, 10);
    EXPECT_EQ(ColoursIn(s), std::set{kBack});

    // Style 3 seven pixels high has a glow height of 0; its gloss rows still paint:
    // row 3 is 70 · 3 \ 12 = 17 percent from white toward the face.
    EXPECT_EQ(Rgb(Gloss(StyleRoundedGloss, 40, 7).Pixel(20, 3)), "221,238,255");
}

// The glow's boxes reach far past the surface; each row's run comes out the same as testing
// every pixel of the box.
TEST(GlossFace, EllipseRunsMatchThePixelTest)
{
    for (auto [left, top, right, bottom] : {std::tuple{-200, 10, 280, 38}, {0, 0, 10, 40}, {3, -4, 4, 44},
                                            {-1380, 16, 1840, 66}, {5, 5, 6, 6}, {0, 0, 7, 3}}) {
        for (int y = top - 1; y <= bottom; ++y) {
            int first = right;
            int last = left - 1;
            for (int x = left - 1; x <= right; ++x)
                if (IsInsideEllipseBox(x, y, left, top, right, bottom)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            int x1 = 0, x2 = 0;
            const bool any = EllipseRowRun(y, left, top, right, bottom, x1, x2);
            EXPECT_EQ(any, first <= last) << left << "," << top << " row " << y;
            if (any && first <= last) {
                EXPECT_EQ(std::pair(x1, x2), std::pair(first, last)) << left << "," << top << " row " << y;
            }
        }
    }
}
