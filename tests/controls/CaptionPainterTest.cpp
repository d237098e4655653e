#include "CaptionPainter.h"
#include "ControlsTestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {
constexpr OleColor kBack = RgbColor(255, 255, 255);
constexpr OleColor kText = RgbColor(1, 2, 3);
constexpr OleColor kIcon = RgbColor(40, 20, 10); // grays to (10 + 20 + 40) \ 3 = 23
constexpr OleColor kGrayIcon = RgbColor(23, 23, 23);
constexpr OleColor kGrayText = RgbColor(141, 141, 141);
constexpr OleColor kRed = RgbColor(200, 0, 0);
constexpr OleColor kBlue = RgbColor(0, 0, 250);

// 8 × 8 in kIcon, its top-left pixel transparent.
const ButtonPicture kSmallIcon = [] {
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(qRgba(40, 20, 10, 255));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon);
}();

// A surface in kBack with kText in the crisp font, and what DrawCaptionAndPicture makes of it.
PixelSurface Blank(int w, int h)
{
    PixelSurface s = Cleared(w, h, kBack);
    s.SetTextColor(kText);
    s.SetFont(CrispFont());
    return s;
}
PixelSurface Drawn(int w, int h, const CaptionInputs& inputs, ButtonState state)
{
    PixelSurface s = Blank(w, h);
    DrawCaptionAndPicture(s, inputs, state);
    return s;
}
} // namespace

TEST(CaptionLayout, TableOfAlignments)
{
    // Alignment, W, H, icon W and H, caption W and H, radius → IconX, IconY, CaptionX, CaptionY.
    const std::array<int, 12> cases[] = {
        // Centred "OK" without a picture, halves taken separately: |37 − 8|, |11 + 0 − 7|.
        {PictureAbove, 75, 23, 0, 0, 17, 14, 0, 38, 5, 29, 4},
        // Picture above or below a caption on a 63 × 51 button.
        {PictureAbove, 63, 51, 32, 32, 40, 14, 0, 16, 3, 11, 34},
        {PictureBelow, 63, 51, 32, 32, 40, 14, 0, 15, 17, 11, 2},
        // (10 − 15) \ 2 = −2, not −3; (20 − 31) \ 2 = −5, not −6; |5 − 20|; |10 + 8 − 7|.
        {PictureAbove, 10, 20, 15, 16, 40, 15, 0, -1, -4, 15, 11},
        // Left: x = 4 on the rectangular styles, the corner radius on shaped ones; the caption
        // starts 8 pixels past the picture's width.
        {PictureLeft, 204, 23, 16, 16, 150, 14, 0, 4, 4, 24, 4},
        {PictureLeft, 80, 24, 16, 16, 50, 14, 13, 13, 5, 24, 5},
        {PictureRight, 120, 30, 16, 16, 30, 14, 0, 96, 8, 45, 8},
        {PictureRight, 120, 30, 16, 16, 30, 14, 12, 92, 8, 45, 8},
        {4, 120, 30, 16, 16, 30, 14, 12, 0, 0, 0, 0},
        {-1, 120, 30, 16, 16, 30, 14, 12, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto at = LayOutIconAndCaption(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
        EXPECT_EQ((std::array{at.iconX, at.iconY, at.captionX, at.captionY}), (std::array{c[8], c[9], c[10], c[11]}))
            << "alignment " << c[0] << " on " << c[1] << "x" << c[2] << " radius " << c[7];
    }
}

TEST(CaptionPainter, CaptionAndPictureGoWhereTheTableSays)
{
    EXPECT_EQ(ColoursIn(Drawn(40, 20, {}, StateNormal)), std::set{kBack}) << "nothing to draw";

    CaptionInputs inputs{QStringLiteral("OK")};
    const PixelSurface ok = Drawn(75, 23, inputs, StateNormal);
    const QSize size = MeasureCaption(ok, inputs.caption);
    PixelSurface expected = Blank(75, 23);
    DrawPrefixedText(expected, 37 - size.width() / 2, 11 - size.height() / 2, QStringLiteral("OK"));
    EXPECT_EQ(ok.Image(), expected.Image());
    EXPECT_EQ(ColoursIn(ok), (std::set{kText, kBack}));

}

TEST(CaptionPainter, OnlyPressedMovesCaptionAndPicture)
{
    const CaptionInputs inputs{QStringLiteral("Save"), &kSmallIcon, PictureAbove};
    const PixelSurface normal = Drawn(63, 51, inputs, StateNormal);
    // Pressed is normal moved one pixel right and down, background coming in at the top and left.
    PixelSurface shifted = Blank(63, 51);
    QPainter(&shifted.Image()).drawImage(1, 1, normal.Image());
    EXPECT_EQ(Drawn(63, 51, inputs, StatePressed).Image(), shifted.Image());
    EXPECT_NE(shifted.Image(), normal.Image());
    for (ButtonState state : {StateFocused, StateHover, StateChecked, ButtonState(7)})
        EXPECT_EQ(Drawn(63, 51, inputs, state).Image(), normal.Image()) << "state " << state;
}

TEST(CaptionPainter, DisabledGrayAndHoverHighlights)
{
    // Enabled, state, caption and icon highlight, the colours drawn, the icon's pixel (5, 7) unpressed.
    const std::tuple<bool, ButtonState, bool, bool, std::set<OleColor>, OleColor> cases[] = {
        {false, StateNormal, false, false, {kBack, kGrayText, kGrayIcon}, kGrayIcon},
        {false, StateHover, false, true, {kBack, kGrayText, kGrayIcon}, kGrayIcon}, // no silhouette
        {false, StateHover, true, true, {kBack, kRed, kGrayIcon}, kGrayIcon},       // the highlight beats the gray
        {true, StateHover, true, false, {kBack, kRed, kIcon}, kIcon},
        {true, StateHover, false, true, {kBack, kText, kBlue}, kBlue},   // a one-colour silhouette
        {true, StatePressed, true, true, {kBack, kText, kIcon}, kIcon}, // highlights only on hover
    };
    for (const auto& [enabled, state, captionHighLite, iconHighLite, colours, iconPixel] : cases) {
        SCOPED_TRACE(testing::Message() << "enabled " << enabled << " state " << state << " highlights "
                                        << captionHighLite << iconHighLite);
        const PixelSurface s = Drawn(
            80, 20, {QStringLiteral("Help"), &kSmallIcon, PictureLeft, enabled, iconHighLite, kBlue, captionHighLite, kRed},
            state);
        const int shift = state == StatePressed ? 1 : 0;
        EXPECT_EQ(ColoursIn(s), colours);
        EXPECT_EQ(s.Pixel(5 + shift, 7 + shift), iconPixel);
        EXPECT_EQ(s.Pixel(4 + shift, 7 + shift), kBack);
        EXPECT_EQ(s.TextColor(), kText) << "the text colour comes back";
    }
}

TEST(CaptionPainter, AmpersandUnderlinesTheNextCharacterAndTwoDrawOne)
{
    PixelSurface plain = Blank(100, 30);
    DrawPrefixedText(plain, 0, 0, QStringLiteral("OK"));
    PixelSurface marked = Blank(100, 30);
    DrawPrefixedText(marked, 0, 0, QStringLiteral("&OK"));
    const QFontMetrics metrics(CrispFont(), &plain.Image());
    int underline = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            if (plain.Pixel(x, y) == kText) {
                EXPECT_EQ(marked.Pixel(x, y), kText) << "the letters are the same " << x << "," << y;
            } else if (marked.Pixel(x, y) == kText) {
                ++underline;
                EXPECT_GE(y, metrics.ascent()) << "below the baseline";
                EXPECT_LE(x, metrics.horizontalAdvance(QLatin1Char('O'))) << "under the O only";
            }
        }
    EXPECT_GT(underline, 3);

    // Two ampersands draw one, exactly as the text "A&B" drawn plainly.
    PixelSurface doubled = Blank(100, 30);
    DrawPrefixedText(doubled, 0, 0, QStringLiteral("A&&B"));
    PixelSurface literal = Blank(100, 30);
    QPainter painter(&literal.Image());
    painter.setFont(CrispFont());
    painter.setPen(QColor(1, 2, 3));
    painter.drawText(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("A&B"));
    painter.end();
    EXPECT_EQ(doubled.Image(), literal.Image());
}

TEST(CaptionPainter, AScalingScreenGetsThePicturesLargerDrawingInTheSameLooks)
{
    // The larger drawing has a pixel (11, 15) of its own, which doubling the picture cannot give.
    ButtonPicture picture = kSmallIcon;
    QImage larger(16, 16, QImage::Format_ARGB32);
    larger.fill(qRgba(40, 20, 10, 255));
    larger.setPixel(11, 15, qRgb(90, 60, 30));  // grays to 60
    larger.setPixel(1, 1, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(picture.SetLargerDrawing(larger));
    // Enabled, state → the marker pixel as painted; the picture at (4, 7), one further pressed.
    const std::tuple<bool, ButtonState, QRgb, int> cases[] = {{true, StatePressed, qRgb(90, 60, 30), 1},
                                                              {false, StateNormal, qRgb(60, 60, 60), 0},
                                                              {true, StateHover, qRgb(0, 0, 250), 0}};
    for (const auto& [enabled, state, marker, at] : cases) {
        QImage screen(160, 40, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        PaintCaptionAndPictureScaled(painter, Blank(80, 20), {"Help", &picture, PictureLeft, enabled, true, kBlue}, state);
        painter.end();
        EXPECT_EQ(screen.pixel(8 + 2 * at + 11, 14 + 2 * at + 15), marker) << state;
        EXPECT_EQ(screen.pixel(8 + 2 * at + 1, 14 + 2 * at + 1), qRgb(255, 255, 255)) << "outside the shape";
    }
}
