#include "CandyButton.h"
#include "ControlsTestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {
constexpr OleColor kOwnColour = RgbColor(10, 20, 30);
constexpr OleColor kUp = RgbColor(55, 155, 255);
constexpr OleColor kHover = RgbColor(200, 0, 0);
constexpr OleColor kDown = RgbColor(0, 100, 0);
constexpr OleColor kBright = RgbColor(255, 55, 155);

// A shaped button whose four colours all differ, without a caption.
struct Shaped {
    QWidget host;
    CandyButton& button = *new CandyButton(&host);

    Shaped(int style, int w, int h)
    {
        button.InitProperties();
        button.SetBackColor(kOwnColour);
        button.SetFont(CrispFont());
        button.SetCaption(QString());
        button.resize(w, h);
        button.SetStyle(style);
        button.SetColorButtonUp(kUp);
        button.SetColorButtonHover(kHover);
        button.SetColorButtonDown(kDown);
        button.SetColorBright(kBright);
        button.RebuildShape();
    }
    QImage At(int state)
    {
        button.Redraw(ButtonState(state));
        return button.Surface().Image();
    }
    std::string PixelAt(int state, int x, int y)
    {
        button.Redraw(ButtonState(state));
        return Rgb(button.Surface().Pixel(x, y));
    }
};
} // namespace

// Row 13 of an 80 × 24 capsule is the gloss at 50 percent from white toward the state's colour.
TEST(GlossButton, FaceColourFollowsTheState)
{
    Shaped shaped(StyleCapsuleGloss, 80, 24);
    EXPECT_EQ(shaped.PixelAt(StateNormal, 40, 13), "155,205,255");
    EXPECT_EQ(shaped.PixelAt(StateFocused, 40, 13), "155,205,255");
    EXPECT_EQ(shaped.PixelAt(StateHover, 40, 13), "228,128,128");
    EXPECT_EQ(shaped.PixelAt(StatePressed, 40, 13), "128,178,128");
    EXPECT_EQ(shaped.PixelAt(StateNormal, 40, 14), "141,112,212") << "glow, 43 percent toward bright";
    EXPECT_EQ(shaped.button.CornerRadius(), 13);
}

TEST(GlossButton, CheckedLooksPressedAndUnknownStatesPaintNoFace)
{
    for (int style = StyleCapsuleGloss; style <= StyleCentreGlow; ++style) {
        Shaped shaped(style, 120, 30);
        const QImage pressed = shaped.At(StatePressed);
        EXPECT_EQ(shaped.At(StateChecked), pressed) << style;
        EXPECT_NE(shaped.At(StateNormal), pressed) << style;
        EXPECT_EQ(shaped.At(StateFocused), shaped.At(StateNormal)) << style;

        // No face, but the caption is still drawn.
        shaped.button.SetForeColor(RgbColor(0, 0, 200));
        shaped.button.SetCaption(QStringLiteral("Help"));
        for (int state : {5, -1}) {
            shaped.button.Redraw(ButtonState(state));
            EXPECT_EQ(ColoursIn(shaped.button.Surface()), (std::set{kOwnColour, RgbColor(0, 0, 200)}))
                << style << " state " << state;
        }
    }
}

// Disabled gloss buttons are grey in every state; the crescent ignores Enabled and BorderBrightness.
TEST(GlossButton, DisabledAndBorderBrightness)
{
    for (int style : {StyleCapsuleGloss, StyleRoundedGloss, StyleCapsuleShine, StyleBubble, StyleCentreGlow}) {
        Shaped shaped(style, 100, 30);
        shaped.button.SetEnabled(false);
        const QImage normal = shaped.At(StateNormal);
        for (int state = StatePressed; state <= StateChecked; ++state)
            EXPECT_EQ(shaped.At(state), normal) << style << " state " << state;
        EXPECT_EQ(shaped.PixelAt(StateHover, 50, 1), "192,192,176") << style << " ring";
        shaped.button.SetBorderBrightness(-100);
        EXPECT_EQ(shaped.PixelAt(StateHover, 50, 1), "0,0,0") << style << " ring";
    }

    Shaped crescent(StyleCrescent, 40, 21);
    const QImage plain = crescent.At(StateNormal);
    EXPECT_EQ(Rgb(crescent.button.Surface().Pixel(20, 1)), "27,77,127") << "the face at half brightness";
    EXPECT_EQ(crescent.button.Surface().Pixel(39, 10), kOwnColour) << "last column unpainted";
    EXPECT_EQ(crescent.button.Surface().Pixel(20, 20), kOwnColour) << "last row unpainted";
    crescent.button.SetEnabled(false);
    crescent.button.SetBorderBrightness(100);
    EXPECT_EQ(crescent.At(StateNormal), plain);
}

// Sizes whose arithmetic would divide by zero paint what they can and return.
TEST(GlossButton, TinyButtonsInEveryStyleAndState)
{
    for (int style = StyleCapsuleGloss; style <= StyleCentreGlow; ++style) {
        Shaped shaped(style, 1, 1);
        for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {2, 1}, {5, 0}, {0, 5}, {3, 2}, {40, 7}, {7, 40}}) {
            shaped.button.resize(w, h);
            shaped.button.RebuildShape();
            for (int state = -1; state <= 5; ++state)
                shaped.At(state);
            EXPECT_GE(shaped.button.CornerRadius(), 1) << style;
        }
    }
}
