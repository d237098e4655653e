#include "ControlsTestSupport.h"
#include "StandardFaces.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr OleColor kBack = RgbColor(10, 20, 30);    // the button's own background
constexpr OleColor kHost = RgbColor(200, 100, 50);  // the parent's or container's background

// Style 0 frame.
constexpr OleColor kCorner = RgbColor(122, 149, 168);
constexpr OleColor kDiagonal = RgbColor(37, 87, 131);
constexpr OleColor kEdge = RgbColor(0, 60, 116);

PixelSurface Cleared(int w, int h)
{
    PixelSurface surface(w, h);
    surface.SetBackColor(kBack);
    surface.Clear();
    return surface;
}

// One row of a 60-pixel face: the two edge columns drawn by the frame and outline, the
// inside in one band colour. Rows 1 and 21 (0 and 22 have their own layout) carry the frame's
// diagonals one column in.
std::vector<std::string> FaceRow(int y, OleColor band)
{
    std::vector<std::string> row(60, Rgb(band));
    if (y == 1 || y == 21) {
        row[0] = Rgb(kCorner);
        row[1] = row[58] = Rgb(kDiagonal);
        row[59] = Rgb(kCorner);
    } else {
        row[0] = Rgb(y == 2 ? kDiagonal : kEdge);
        row[59] = Rgb(y == 20 ? kDiagonal : kEdge);
    }
    return row;
}

std::vector<std::string> RowOf(const PixelSurface& s, int y)
{
    std::vector<std::string> row;
    for (int x = 0; x < s.Width(); ++x)
        row.push_back(Rgb(s.Pixel(x, y)));
    return row;
}

void ExpectOnlyHostOutline(const PixelSurface& s)
{
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const bool border = x == 0 || y == 0 || x == s.Width() - 1 || y == s.Height() - 1;
            ASSERT_EQ(Rgb(s.Pixel(x, y)), Rgb(border ? kHost : kBack)) << x << "," << y;
        }
}
} // namespace

TEST(StandardFaces, FrameOfSixteenOperations)
{
    // 8 × 6: C corner, D diagonal, E edge, '.' untouched.
    PixelSurface s = Cleared(8, 6);
    DrawFrame(s, 7, 5, {RgbColor(1, 1, 1), RgbColor(2, 2, 2), RgbColor(3, 3, 3)});
    std::string map;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x)
            map += ".CDE"[s.Pixel(x, y) == kBack ? 0 : (s.Pixel(x, y) & 0xFF)];
        map += '\n';
    }
    EXPECT_EQ(map, ".CEEEDC.\n"
                   "CD....DC\n"
                   "D......E\n"
                   "E......D\n"
                   "CD....DC\n"
                   ".CDEEEC.\n");
}

// 60 × 23 pressed (H1 = 22). Band colours worked out by hand from round(t·E + S − t·S):
// rows 1–3 from (209,204,193) toward (229,228,221) by thirds; rows 4–17 with t = C / 16
// toward (226,226,218), where row 8 (t = ½) rounds 227.5 to 228 and 219.5 to 220, row 12
// rounds 226.5 to 226; rows 18–21 toward (242,241,238) by thirds. Row 22 is outline and frame.
TEST(StandardFaces, StandardPressedFaceRowByRow)
{
    PixelSurface s = Cleared(60, 23);
    DrawStandardStyle(s, StatePressed, kHost);

    const std::vector<OleColor> bands = {
        0,                         // row 0: frame only
        RgbColor(209, 204, 193), RgbColor(216, 212, 202), RgbColor(222, 220, 212), RgbColor(228, 228, 220),
        RgbColor(228, 227, 220), RgbColor(228, 227, 220), RgbColor(228, 227, 220), RgbColor(228, 227, 220),
        RgbColor(227, 227, 219), RgbColor(227, 227, 219), RgbColor(227, 227, 219), RgbColor(227, 226, 219),
        RgbColor(227, 226, 219), RgbColor(226, 226, 218), RgbColor(226, 226, 218), RgbColor(226, 226, 218),
        RgbColor(226, 226, 218), RgbColor(226, 226, 218), RgbColor(231, 231, 225), RgbColor(237, 236, 231),
        RgbColor(242, 241, 238),
    };
    for (int y = 1; y <= 21; ++y)
        EXPECT_EQ(RowOf(s, y), FaceRow(y, bands[y])) << "row " << y;

    std::vector<std::string> top(60, Rgb(kEdge));
    top[0] = top[59] = Rgb(kHost);
    top[1] = top[58] = Rgb(kCorner);
    top[57] = Rgb(kDiagonal);
    EXPECT_EQ(RowOf(s, 0), top);
    std::vector<std::string> bottom(60, Rgb(kEdge));
    bottom[0] = bottom[59] = Rgb(kHost);
    bottom[1] = bottom[58] = Rgb(kCorner);
    bottom[2] = Rgb(kDiagonal);
    EXPECT_EQ(RowOf(s, 22), bottom);
}

TEST(StandardFaces, StandardRaisedFaceAndItsRims)
{
    PixelSurface normal = Cleared(60, 23);
    DrawStandardStyle(normal, StateNormal, kHost);
    // Band A: t = y / 19 from white toward (236,235,230); band B over rows 18–21 by thirds.
    EXPECT_EQ(Rgb(normal.Pixel(30, 1)), "254,254,254");
    EXPECT_EQ(Rgb(normal.Pixel(30, 10)), "245,244,242");
    EXPECT_EQ(Rgb(normal.Pixel(1, 10)), "245,244,242");
    EXPECT_EQ(Rgb(normal.Pixel(30, 18)), "236,235,230");
    EXPECT_EQ(Rgb(normal.Pixel(30, 19)), "229,226,219");
    EXPECT_EQ(Rgb(normal.Pixel(30, 20)), "221,217,208");
    EXPECT_EQ(Rgb(normal.Pixel(30, 21)), "214,208,197");
    EXPECT_EQ(Rgb(normal.Pixel(0, 10)), Rgb(kEdge));

    // A checked standard button looks idle.
    PixelSurface checked = Cleared(60, 23);
    DrawStandardStyle(checked, StateChecked, kHost);
    EXPECT_EQ(checked.Image(), normal.Image());

    PixelSurface focused = Cleared(60, 23);
    DrawStandardStyle(focused, StateFocused, kHost);
    EXPECT_EQ(Rgb(focused.Pixel(30, 1)), "206,231,255");
    EXPECT_EQ(Rgb(focused.Pixel(58, 2)), "188,212,246");
    // Row 11 of the side strips has t = 11 / 22 = ½: 162.5 → 162, 192.5 → 192.
    for (int x : {1, 2, 57, 58})
        EXPECT_EQ(Rgb(focused.Pixel(x, 11)), "162,192,237") << x;
    EXPECT_EQ(Rgb(focused.Pixel(3, 11)), "244,243,241"); // band A shows past the strip
    EXPECT_EQ(Rgb(focused.Pixel(56, 11)), "244,243,241");
    EXPECT_EQ(Rgb(focused.Pixel(1, 20)), "137,173,228");
    EXPECT_EQ(Rgb(focused.Pixel(30, 21)), "105,130,238");
    EXPECT_EQ(Rgb(focused.Pixel(0, 11)), Rgb(kEdge));

    PixelSurface hover = Cleared(60, 23);
    DrawStandardStyle(hover, StateHover, kHost);
    EXPECT_EQ(Rgb(hover.Pixel(30, 1)), "255,240,202");
    EXPECT_EQ(Rgb(hover.Pixel(30, 2)), "253,216,137");
    EXPECT_EQ(Rgb(hover.Pixel(2, 11)), "250,197,92"); // 250.5 → 250, 92.5 → 92
    EXPECT_EQ(Rgb(hover.Pixel(30, 20)), "248,178,48");
    EXPECT_EQ(Rgb(hover.Pixel(30, 21)), "229,151,0");
}

TEST(StandardFaces, ToolbarCheckedIsAWhiteRectangleInABlueGrayFrame)
{
    PixelSurface s = Cleared(60, 23);
    DrawToolbarStyle(s, StateChecked, true, kHost);
    const OleColor corner = RgbColor(203, 213, 214);
    const OleColor diagonal = RgbColor(152, 175, 190);
    const OleColor edge = RgbColor(122, 152, 175);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 60; ++x) {
            OleColor expected = kBack;
            const bool outer = x == 0 || y == 0 || x == 59 || y == 22;
            const bool white = (x == 1 || x == 58 || y == 1 || y == 21) && !outer;
            if (white)
                expected = RgbColor(255, 255, 255);
            if (outer)
                expected = edge;
            if ((x == 1 || x == 58) && (y == 1 || y == 21))
                expected = diagonal;
            if ((x == 0 || x == 59) && (y == 1 || y == 21))
                expected = corner;
            if ((y == 0 || y == 22) && (x == 1 || x == 58))
                expected = corner;
            if ((x == 0 && y == 2) || (x == 57 && y == 0) || (x == 59 && y == 20) || (x == 2 && y == 22))
                expected = diagonal;
            if ((x == 0 || x == 59) && (y == 0 || y == 22))
                expected = kHost;
            ASSERT_EQ(Rgb(s.Pixel(x, y)), Rgb(expected)) << x << "," << y;
        }
}

TEST(StandardFaces, ToolbarIsFlatUnlessHoveredPressedOrChecked)
{
    for (ButtonState state : {StateNormal, StateFocused}) {
        PixelSurface s = Cleared(60, 23);
        DrawToolbarStyle(s, state, true, kHost);
        ExpectOnlyHostOutline(s);
    }
    // Disabled and hovered: still flat.
    PixelSurface disabledHover = Cleared(60, 23);
    DrawToolbarStyle(disabledHover, StateHover, false, kHost);
    ExpectOnlyHostOutline(disabledHover);

    PixelSurface hover = Cleared(60, 23);
    DrawToolbarStyle(hover, StateHover, true, kHost);
    EXPECT_EQ(Rgb(hover.Pixel(30, 1)), "254,254,253");
    // Row 11: t = 11 / 16 from (252,252,249) toward (238,237,229).
    EXPECT_EQ(Rgb(hover.Pixel(30, 11)), "242,242,235");
    EXPECT_EQ(Rgb(hover.Pixel(30, 21)), "215,210,198");
    EXPECT_EQ(Rgb(hover.Pixel(30, 0)), "206,206,195");
    EXPECT_EQ(Rgb(hover.Pixel(1, 0)), "232,232,221");
    EXPECT_EQ(Rgb(hover.Pixel(1, 1)), "216,216,205");

    // A disabled button still shows its pressed face.
    PixelSurface pressed = Cleared(60, 23);
    DrawToolbarStyle(pressed, StatePressed, false, kHost);
    EXPECT_EQ(Rgb(pressed.Pixel(30, 1)), "220,218,209");
    EXPECT_EQ(Rgb(pressed.Pixel(30, 21)), "235,234,229");
    EXPECT_EQ(Rgb(pressed.Pixel(30, 22)), "157,157,146");
}

TEST(StandardFaces, ExtremeCornersKeepTheHostColourInEveryState)
{
    for (int state = StateNormal; state <= StateChecked; ++state)
        for (bool toolbar : {false, true})
            for (bool enabled : {false, true}) {
                PixelSurface s = Cleared(63, 51);
                if (toolbar)
                    DrawToolbarStyle(s, ButtonState(state), enabled, kHost);
                else
                    DrawStandardStyle(s, ButtonState(state), kHost);
                for (auto [x, y] : {std::pair{0, 0}, {62, 0}, {0, 50}, {62, 50}})
                    EXPECT_EQ(Rgb(s.Pixel(x, y)), Rgb(kHost)) << "state " << state << " toolbar " << toolbar;
            }
    // Without a readable host colour the outline is skipped and the face goes on.
    PixelSurface s = Cleared(60, 23);
    DrawStandardStyle(s, StateNormal, std::nullopt);
    EXPECT_EQ(s.Pixel(0, 0), kBack);
    EXPECT_EQ(Rgb(s.Pixel(30, 21)), "214,208,197");
}

TEST(StandardFaces, TinyButtonsDoNotBreakThePainters)
{
    for (int h = 0; h <= 9; ++h)
        for (int w = 0; w <= 6; ++w)
            for (int state = -1; state <= 5; ++state) {
                PixelSurface s = Cleared(w, h);
                DrawStandardStyle(s, ButtonState(state), kHost);
                DrawToolbarStyle(s, ButtonState(state), true, kHost);
            }
    // A four-pixel-high standard face would divide by zero: it keeps just its outline.
    PixelSurface low = Cleared(20, 4);
    DrawStandardStyle(low, StateNormal, kHost);
    ExpectOnlyHostOutline(low);
}
