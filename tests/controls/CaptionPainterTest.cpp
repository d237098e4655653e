#include "CaptionPainter.h"
#include "ControlsTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>

namespace {
constexpr OleColor kBack = RgbColor(255, 255, 255);
constexpr OleColor kText = RgbColor(1, 2, 3);
constexpr OleColor kIconColour = RgbColor(40, 20, 10); // grays to (10 + 20 + 40) \ 3 = 23

PixelSurface Surface(int w, int h)
{
    PixelSurface surface(w, h);
    surface.SetBackColor(kBack);
    surface.SetTextColor(kText);
    surface.SetFont(CrispFont());
    surface.Clear();
    return surface;
}

// 8 × 8, one colour, its top-left pixel transparent.
ButtonPicture SmallIcon()
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(qRgba(40, 20, 10, 255));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon);
}

std::set<OleColor> ColoursIn(const PixelSurface& s)
{
    std::set<OleColor> colours;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            colours.insert(s.Pixel(x, y));
    return colours;
}

// True when b is a shifted one pixel right and down, with background coming in at the top and left.
bool IsShiftedByOne(const PixelSurface& a, const PixelSurface& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const OleColor expected = x == 0 || y == 0 ? kBack : a.Pixel(x - 1, y - 1);
            if (b.Pixel(x, y) != expected)
                return false;
        }
    return true;
}
} // namespace

TEST(CaptionLayout, TableOfAlignments)
{
    // Centred "OK" without a picture: halves taken separately.
    auto at = LayOutIconAndCaption(PictureAbove, 75, 23, 0, 0, 17, 14, 0);
    EXPECT_EQ(at.captionX, 29); // |37 − 8|
    EXPECT_EQ(at.captionY, 4);  // |11 + 0 − 7|
    // Picture above a caption on a 63 × 51 button: one centred block.
    at = LayOutIconAndCaption(PictureAbove, 63, 51, 32, 32, 40, 14, 0);
    EXPECT_EQ((std::array{at.iconX, at.iconY, at.captionX, at.captionY}), (std::array{16, 3, 11, 34}));
    at = LayOutIconAndCaption(PictureBelow, 63, 51, 32, 32, 40, 14, 0);
    EXPECT_EQ((std::array{at.iconX, at.iconY, at.captionX, at.captionY}), (std::array{15, 17, 11, 2}));
    // Left: x = 4 on the rectangular styles, the corner radius on shaped ones; the caption
    // starts 8 pixels past the picture's width.
    at = LayOutIconAndCaption(PictureLeft, 204, 23, 16, 16, 150, 14, 0);
    EXPECT_EQ((std::array{at.iconX, at.iconY, at.captionX, at.captionY}), (std::array{4, 4, 24, 4}));
    at = LayOutIconAndCaption(PictureLeft, 80, 24, 16, 16, 50, 14, 13);
    EXPECT_EQ((std::array{at.iconX, at.iconY, at.captionX, at.captionY}), (std::array{13, 5, 24, 5}));
    at = LayOutIconAndCaption(PictureRight, 120, 30, 16, 16, 30, 14, 0);
    EXPECT_EQ((std::array{at.iconX, at.iconY, at.captionX, at.captionY}), (std::array{96, 8, 45, 8}));
    at = LayOutIconAndCaption(PictureRight, 120, 30, 16, 16, 30, 14, 12);
    EXPECT_EQ(at.iconX, 92);
    for (int other : {4, -1, 100}) {
        at = LayOutIconAndCaption(other, 120, 30, 16, 16, 30, 14, 12);
        EXPECT_EQ((std::array{at.iconX, at.iconY, at.captionX, at.captionY}), (std::array{0, 0, 0, 0}));
    }
}

TEST(CaptionLayout, DivisionTruncatesTowardZeroAndCaptionOffsetsAreAbsolute)
{
    // (10 − 15) \ 2 = −2, not −3; (20 − 31) \ 2 = −5, not −6.
    const auto at = LayOutIconAndCaption(PictureAbove, 10, 20, 15, 16, 40, 15, 0);
    EXPECT_EQ(at.iconX, -1);
    EXPECT_EQ(at.iconY, -4);
    EXPECT_EQ(at.captionX, 15); // |5 − 20|
    EXPECT_EQ(at.captionY, 11); // |10 + 8 − 7|
}

TEST(CaptionPainter, NothingToDrawLeavesTheSurfaceAlone)
{
    PixelSurface s = Surface(40, 20);
    CaptionInputs inputs;
    DrawCaptionAndPicture(s, inputs, StateNormal);
    EXPECT_EQ(CountOtherThan(s, kBack), 0);
}

TEST(CaptionPainter, CaptionGoesWhereTheTableSays)
{
    PixelSurface s = Surface(75, 23);
    CaptionInputs inputs;
    inputs.caption = QStringLiteral("OK");
    DrawCaptionAndPicture(s, inputs, StateNormal);

    const QSize size = MeasureCaption(s, inputs.caption);
    ASSERT_GT(size.width(), 0);
    PixelSurface expected = Surface(75, 23);
    DrawPrefixedText(expected, 37 - size.width() / 2, 11 - size.height() / 2, QStringLiteral("OK"));
    EXPECT_EQ(s.Image(), expected.Image());
    EXPECT_GT(CountOtherThan(s, kBack), 10);
    EXPECT_EQ(ColoursIn(s), (std::set<OleColor>{kText, kBack}));
}

TEST(CaptionPainter, PictureLeftOnARectangularButtonStartsAtFour)
{
    PixelSurface s = Surface(60, 20);
    const ButtonPicture icon = SmallIcon();
    CaptionInputs inputs;
    inputs.picture = &icon;
    inputs.pictureAlignment = PictureLeft;
    DrawCaptionAndPicture(s, inputs, StateNormal);
    // IconY = (20 − 8) \ 2 + 1 = 7; the icon's transparent corner shows the background.
    EXPECT_EQ(s.Pixel(4, 7), kBack);
    EXPECT_EQ(s.Pixel(5, 7), kIconColour);
    EXPECT_EQ(s.Pixel(11, 14), kIconColour);
    EXPECT_EQ(s.Pixel(3, 10), kBack);
    EXPECT_EQ(s.Pixel(12, 10), kBack);
    EXPECT_EQ(s.Pixel(8, 6), kBack);
    EXPECT_EQ(s.Pixel(8, 15), kBack);
    EXPECT_EQ(CountOtherThan(s, kBack), 63);
}

TEST(CaptionPainter, OnlyPressedMovesCaptionAndPicture)
{
    const ButtonPicture icon = SmallIcon();
    CaptionInputs inputs;
    inputs.caption = QStringLiteral("Save");
    inputs.picture = &icon;
    inputs.pictureAlignment = PictureAbove;

    PixelSurface normal = Surface(63, 51);
    DrawCaptionAndPicture(normal, inputs, StateNormal);
    PixelSurface pressed = Surface(63, 51);
    DrawCaptionAndPicture(pressed, inputs, StatePressed);
    EXPECT_TRUE(IsShiftedByOne(normal, pressed));
    EXPECT_NE(normal.Image(), pressed.Image());
    for (ButtonState state : {StateFocused, StateHover, StateChecked, ButtonState(7)}) {
        PixelSurface other = Surface(63, 51);
        DrawCaptionAndPicture(other, inputs, state);
        EXPECT_EQ(other.Image(), normal.Image()) << "state " << state;
    }
}

TEST(CaptionPainter, DisabledCaptionIsGrayAndTheTextColourComesBack)
{
    const ButtonPicture icon = SmallIcon();
    CaptionInputs inputs;
    inputs.caption = QStringLiteral("Help");
    inputs.picture = &icon;
    inputs.pictureAlignment = PictureLeft;
    inputs.enabled = false;
    PixelSurface s = Surface(80, 20);
    DrawCaptionAndPicture(s, inputs, StateNormal);
    EXPECT_EQ(ColoursIn(s), (std::set<OleColor>{kBack, RgbColor(141, 141, 141), RgbColor(23, 23, 23)}));
    EXPECT_EQ(s.Pixel(5, 7), RgbColor(23, 23, 23));
    EXPECT_EQ(s.TextColor(), kText);

    // Disabled and hovered with the icon highlight: still gray, no silhouette.
    inputs.iconHighLite = true;
    inputs.iconHighLiteColor = RgbColor(0, 255, 0);
    PixelSurface hovered = Surface(80, 20);
    DrawCaptionAndPicture(hovered, inputs, StateHover);
    EXPECT_EQ(hovered.Image(), s.Image());
}

TEST(CaptionPainter, HoverHighlightsCaptionAndPicture)
{
    const ButtonPicture icon = SmallIcon();
    CaptionInputs inputs;
    inputs.caption = QStringLiteral("Open");
    inputs.picture = &icon;
    inputs.pictureAlignment = PictureLeft;
    inputs.captionHighLite = true;
    inputs.captionHighLiteColor = RgbColor(200, 0, 0);

    PixelSurface caption = Surface(80, 20);
    DrawCaptionAndPicture(caption, inputs, StateHover);
    EXPECT_EQ(ColoursIn(caption), (std::set<OleColor>{kBack, RgbColor(200, 0, 0), kIconColour}));
    EXPECT_EQ(caption.TextColor(), kText);

    // Icon highlight alone: caption in the text colour, picture as a one-colour silhouette.
    inputs.captionHighLite = false;
    inputs.iconHighLite = true;
    inputs.iconHighLiteColor = RgbColor(0, 0, 250);
    PixelSurface icons = Surface(80, 20);
    DrawCaptionAndPicture(icons, inputs, StateHover);
    EXPECT_EQ(ColoursIn(icons), (std::set<OleColor>{kBack, kText, RgbColor(0, 0, 250)}));
    EXPECT_EQ(icons.Pixel(4, 7), kBack);
    EXPECT_EQ(icons.Pixel(5, 7), RgbColor(0, 0, 250));

    // Highlights only on hover.
    PixelSurface pressed = Surface(80, 20);
    DrawCaptionAndPicture(pressed, inputs, StatePressed);
    EXPECT_EQ(ColoursIn(pressed), (std::set<OleColor>{kBack, kText, kIconColour}));

    // The caption highlight wins over the disabled gray.
    inputs.captionHighLite = true;
    inputs.enabled = false;
    PixelSurface disabled = Surface(80, 20);
    DrawCaptionAndPicture(disabled, inputs, StateHover);
    EXPECT_EQ(ColoursIn(disabled), (std::set<OleColor>{kBack, RgbColor(200, 0, 0), RgbColor(23, 23, 23)}));
}

TEST(CaptionPainter, AmpersandUnderlinesTheNextCharacterAndTwoDrawOne)
{
    PixelSurface plain = Surface(100, 30);
    DrawPrefixedText(plain, 0, 0, QStringLiteral("OK"));
    PixelSurface marked = Surface(100, 30);
    DrawPrefixedText(marked, 0, 0, QStringLiteral("&OK"));

    const QFontMetrics metrics(CrispFont(), &plain.Image());
    const int oWidth = metrics.horizontalAdvance(QLatin1Char('O'));
    int underline = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            if (plain.Pixel(x, y) == kText) {
                EXPECT_EQ(marked.Pixel(x, y), kText) << "the letters are the same " << x << "," << y;
            } else if (marked.Pixel(x, y) == kText) {
                ++underline;
                EXPECT_GE(y, metrics.ascent()) << "below the baseline";
                EXPECT_LE(x, oWidth) << "under the O only";
            }
        }
    EXPECT_GT(underline, 3);

    // Two ampersands draw one, exactly as the text "A&B" drawn plainly.
    PixelSurface doubled = Surface(100, 30);
    DrawPrefixedText(doubled, 0, 0, QStringLiteral("A&&B"));
    PixelSurface literal = Surface(100, 30);
    {
        QPainter painter(&literal.Image());
        painter.setFont(CrispFont());
        painter.setPen(QColor(1, 2, 3));
        painter.drawText(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("A&B"));
    }
    EXPECT_EQ(doubled.Image(), literal.Image());
    EXPECT_GT(CountOtherThan(doubled, kBack), 10);
}

TEST(CaptionPainter, PictureExtentRoundTripsThroughHundredthsOfAMillimetre)
{
    EXPECT_EQ(PixelsToHimetric(16), 423);
    EXPECT_EQ(PixelsToHimetric(32), 847);
    EXPECT_EQ(HimetricToPixels(423), 16);
    EXPECT_EQ(HimetricToPixels(847), 32);
    for (int pixels = 1; pixels <= 256; ++pixels)
        EXPECT_EQ(HimetricToPixels(PixelsToHimetric(pixels)), pixels);
}
