#include "ControlsTestSupport.h"
#include "StandardFaces.h"

#include <gtest/gtest.h>

namespace {
constexpr OleColor kBack = RgbColor(10, 20, 30);   // the button's own background
constexpr OleColor kHost = RgbColor(200, 100, 50); // the parent's or container's background
const Legend kOutline{{'.', kBack}, {'H', kHost}};

PixelSurface Face(bool toolbar, ButtonState state, bool enabled = true, int w = 60, int h = 23)
{
    PixelSurface s = Cleared(w, h, kBack);
    if (toolbar)
        DrawToolbarStyle(s, state, enabled, kHost);
    else
        DrawStandardStyle(s, state, kHost);
    return s;
}
} // namespace

// 60 × 23 pressed (H1 = 22). Band colours worked out by hand from round(t·E + S − t·S):
// rows 1–3 from (209,204,193) toward (229,228,221) by thirds; rows 4–17 with t = C / 16
// toward (226,226,218), where row 8 (t = ½) rounds 227.5 to 228 and 219.5 to 220, row 12
// rounds 226.5 to 226; rows 18–21 toward (242,241,238) by thirds. Row 22 is outline and frame.
TEST(StandardFaces, StandardPressedFaceRowByRow)
{
    const Legend legend{{'H', kHost}, {'C', RgbColor(122, 149, 168)}, {'D', RgbColor(37, 87, 131)},
                        {'E', RgbColor(0, 60, 116)}, {'a', RgbColor(209, 204, 193)}, {'b', RgbColor(216, 212, 202)},
                        {'c', RgbColor(222, 220, 212)}, {'d', RgbColor(228, 228, 220)}, {'e', RgbColor(228, 227, 220)},
                        {'f', RgbColor(227, 227, 219)}, {'g', RgbColor(227, 226, 219)}, {'h', RgbColor(226, 226, 218)},
                        {'i', RgbColor(231, 231, 225)}, {'j', RgbColor(237, 236, 231)}, {'k', RgbColor(242, 241, 238)}};
    EXPECT_EQ(MapOf(Face(false, StatePressed), legend),
              Widen({"HCEEEEDCH", "CDaaaaaDC", "DbbbbbbbE", "EcccccccE", "EdddddddE", "EeeeeeeeE", "EeeeeeeeE",
                     "EeeeeeeeE", "EeeeeeeeE", "EfffffffE", "EfffffffE", "EfffffffE", "EgggggggE", "EgggggggE",
                     "EhhhhhhhE", "EhhhhhhhE", "EhhhhhhhE", "EhhhhhhhE", "EhhhhhhhE", "EiiiiiiiE", "EjjjjjjjD",
                     "CDkkkkkDC", "HCDEEEECH"},
                    60, 23));
}

TEST(StandardFaces, FacesPixelByPixel)
{
    // Style 1 or 0, state, enabled, then pixels x, y and their colour.
    using Look = std::tuple<bool, ButtonState, bool, std::vector<std::tuple<int, int, const char*>>>;
    const Look looks[] = {
        // Style 0 raised: band A with t = y / 19 from white toward (236,235,230); band B over rows 18–21 by thirds.
        {false, StateNormal, true, {{30, 1, "254,254,254"}, {30, 10, "245,244,242"}, {1, 10, "245,244,242"},
                                    {30, 18, "236,235,230"}, {30, 19, "229,226,219"}, {30, 20, "221,217,208"},
                                    {30, 21, "214,208,197"}, {0, 10, "0,60,116"}}},
        // Focus rim. Row 11 of the side strips has t = 11 / 22 = ½: 162.5 → 162, 192.5 → 192.
        {false, StateFocused, true, {{30, 1, "206,231,255"}, {58, 2, "188,212,246"}, {1, 11, "162,192,237"},
                                     {2, 11, "162,192,237"}, {57, 11, "162,192,237"}, {58, 11, "162,192,237"},
                                     {3, 11, "244,243,241"}, {56, 11, "244,243,241"}, {1, 20, "137,173,228"},
                                     {30, 21, "105,130,238"}, {0, 11, "0,60,116"}}},
        // Hover rim: 250.5 → 250, 92.5 → 92.
        {false, StateHover, true, {{30, 1, "255,240,202"}, {30, 2, "253,216,137"}, {2, 11, "250,197,92"},
                                   {30, 20, "248,178,48"}, {30, 21, "229,151,0"}}},
        // Style 1 hover; row 11: t = 11 / 16 from (252,252,249) toward (238,237,229).
        {true, StateHover, true, {{30, 1, "254,254,253"}, {30, 11, "242,242,235"}, {30, 21, "215,210,198"},
                                  {30, 0, "206,206,195"}, {1, 0, "232,232,221"}, {1, 1, "216,216,205"}}},
        // A disabled toolbar button still shows its pressed face.
        {true, StatePressed, false, {{30, 1, "220,218,209"}, {30, 21, "235,234,229"}, {30, 22, "157,157,146"}}},
    };
    for (const auto& [toolbar, state, enabled, pixels] : looks) {
        const PixelSurface s = Face(toolbar, state, enabled);
        for (auto [x, y, rgb] : pixels)
            EXPECT_EQ(Rgb(s.Pixel(x, y)), rgb) << "toolbar " << toolbar << " state " << state << " at " << x << "," << y;
    }
    // A checked standard button looks idle.
    EXPECT_EQ(Face(false, StateChecked).Image(), Face(false, StateNormal).Image());
}

// Checked: a white rectangle inside the frame of sixteen operations (C corner, D diagonal,
// E edge pixels), the extreme corners left in the host's colour H.
TEST(StandardFaces, ToolbarIsFlatUnlessHoveredPressedOrChecked)
{
    const Legend legend{{'.', kBack}, {'H', kHost}, {'W', RgbColor(255, 255, 255)}, {'C', RgbColor(203, 213, 214)},
                        {'D', RgbColor(152, 175, 190)}, {'E', RgbColor(122, 152, 175)}};
    EXPECT_EQ(MapOf(Face(true, StateChecked), legend),
              Widen({"HCEEEEDCH", "CDWWWWWDC", "DW.....WE", "EW.....WE", "EW.....WD", "CDWWWWWDC", "HCDEEEECH"}, 60,
                    23));
    for (auto [state, enabled] : {std::pair{StateNormal, true}, {StateFocused, true}, {StateHover, false}})
        EXPECT_EQ(MapOf(Face(true, state, enabled), kOutline), Widen({"HHH", "H.H", "HHH"}, 60, 23)) << state;
}

TEST(StandardFaces, ExtremeCornersKeepTheHostColourInEveryState)
{
    for (int state = StateNormal; state <= StateChecked; ++state)
        for (auto [toolbar, enabled] : {std::pair{false, true}, {true, true}, {true, false}}) {
            const PixelSurface s = Face(toolbar, ButtonState(state), enabled, 63, 51);
            for (auto [x, y] : {std::pair{0, 0}, {62, 0}, {0, 50}, {62, 50}})
                EXPECT_EQ(Rgb(s.Pixel(x, y)), Rgb(kHost)) << "state " << state << " toolbar " << toolbar;
        }
    // Without a readable host colour the outline is skipped and the face goes on.
    PixelSurface s = Cleared(60, 23, kBack);
    DrawStandardStyle(s, StateNormal, std::nullopt);
    EXPECT_EQ(s.Pixel(0, 0), kBack);
    EXPECT_EQ(Rgb(s.Pixel(30, 21)), "214,208,197");
}

TEST(StandardFaces, TinyButtonsDoNotBreakThePainters)
{
    for (int h = 0; h <= 9; ++h)
        for (int w = 0; w <= 6; ++w)
            for (int state = -1; state <= 5; ++state) {
                Face(false, ButtonState(state), true, w, h);
                Face(true, ButtonState(state), true, w, h);
            }
    // A four-pixel-high standard face would divide by zero: it keeps just its outline.
    EXPECT_EQ(MapOf(Face(false, StateNormal, true, 20, 4), kOutline), Widen({"HHH", "H.H", "HHH"}, 20, 4));
}
