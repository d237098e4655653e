#include "CandyButton.h"
#include "ControlsTestSupport.h"
#include "ShapeGeometry.h"
#include "StandardFaces.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {
constexpr OleColor kHostColour = RgbColor(200, 100, 50);
constexpr OleColor kOwnColour = RgbColor(10, 20, 30);

// Records the names a button reports to its host.
struct Reports {
    QStringList names;
    explicit Reports(CandyButton* button)
    {
        QObject::connect(button, &CandyButton::PropertyChanged, [this](const QString& name) { names.append(name); });
    }
    void clear() { names.clear(); }
    bool isEmpty() const { return names.isEmpty(); }
};

QStringList Reported(const Reports& reports)
{
    return reports.names;
}

// A host window of a known colour with one button on it, initialised as a new button.
struct Hosted {
    QWidget host;
    CandyButton* button;

    explicit Hosted(int w = 60, int h = 23, int style = StyleToolbar)
    {
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, QColor(200, 100, 50));
        host.setPalette(palette);
        host.setFont(QFont(QStringLiteral("Arial"), 10));
        button = new CandyButton(&host);
        button->setObjectName(QStringLiteral("cmdNew"));
        button->InitProperties();
        button->SetBackColor(kOwnColour);
        button->SetFont(CrispFont());
        button->SetCaption(QString());
        button->resize(w, h);
        button->SetStyle(style);
        button->RebuildShape();
        button->Redraw(StateNormal);
    }
    const PixelSurface& surface() const { return button->Surface(); }
};
} // namespace

TEST(CandyButton, NewButtonValues)
{
    QWidget host;
    auto* button = new CandyButton(&host);
    button->setObjectName(QStringLiteral("CandyButton2"));
    EXPECT_FALSE(button->PropertiesReady());
    EXPECT_EQ(button->Font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(button->Font().pointSizeF(), 9.0);
    button->InitProperties();
    EXPECT_TRUE(button->PropertiesReady());
    EXPECT_EQ(button->Caption(), QStringLiteral("CandyButton2"));
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->ColorButtonUp(), 0xE99950u);
    EXPECT_EQ(button->ColorButtonDown(), 0xE99950u);
    EXPECT_EQ(button->ColorButtonHover(), 0xFFC090u);
    EXPECT_EQ(button->ColorBright(), 0xFFEDB0u);
    EXPECT_EQ(button->ColorScheme(), 0);
    EXPECT_EQ(button->IconHighLiteColor(), 0u);
    EXPECT_EQ(button->CaptionHighLiteColor(), 0u);
    EXPECT_EQ(button->Style(), 0);
    EXPECT_FALSE(button->Checked());
    EXPECT_TRUE(button->Picture().isNull());
}

TEST(CandyButton, ReadingAnEmptyBagGivesTheFallbacks)
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("Arial"), 11));
    auto* button = new CandyButton(&host);
    button->SetChecked(true); // not saved: the current value stays
    button->ReadProperties(PropertyBag{});
    EXPECT_TRUE(button->PropertiesReady());
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->Font(), host.font());
    EXPECT_EQ(button->Caption(), QStringLiteral("CandyButton"));
    EXPECT_EQ(button->IconHighLiteColor(), 0x00FF00u);
    EXPECT_EQ(button->CaptionHighLiteColor(), 0x00FF00u);
    EXPECT_EQ(button->ColorButtonHover(), 0xFFC090u);
    EXPECT_EQ(button->ColorButtonUp(), 0xE99950u);
    EXPECT_EQ(button->ColorButtonDown(), 0xE99950u);
    EXPECT_EQ(button->ColorBright(), 0xFFEDB0u);
    EXPECT_TRUE(button->Checked());
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor);
}

TEST(CandyButton, ReadingStoresValuesWithoutTheSetters)
{
    QWidget host;
    auto* button = new CandyButton(&host);
    Reports spy(button);
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ColorScheme"), 3);
    bag.WriteProperty(QStringLiteral("ColorButtonUp"), qlonglong(0x123456));
    bag.WriteProperty(QStringLiteral("ForeColor"), qlonglong(0x0000FF));
    bag.WriteProperty(QStringLiteral("BorderBrightness"), 250); // stored as saved, not clamped
    bag.WriteProperty(QStringLiteral("DisplayHand"), true);
    button->ReadProperties(bag);
    EXPECT_EQ(button->ColorScheme(), 3);
    EXPECT_EQ(button->ColorButtonUp(), 0x123456u);
    EXPECT_EQ(button->ColorButtonHover(), 0xFFC090u); // not scheme 3's 0xA00000
    EXPECT_EQ(button->BorderBrightness(), 250);
    EXPECT_EQ(button->Surface().TextColor(), 0x0000FFu);
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(spy.isEmpty());
}

TEST(CandyButton, WritingSkipsDefaultsAndKeepsTheOrder)
{
    Hosted hosted;
    CandyButton& button = *hosted.button;
    button.SetCaption(QStringLiteral("New"));
    PropertyBag bag;
    button.WriteProperties(bag);
    // Enabled, IconHighLite, CaptionHighLite, ForeColor, Picture and PictureAlignment hold their
    // defaults; the two highlight colours are 0, not 0x00FF00, so they are written.
    EXPECT_EQ(bag.Keys(), (QStringList{"Font", "Caption", "IconHighLiteColor", "CaptionHighLiteColor", "Style",
                                       "Checked", "ColorButtonHover", "ColorButtonUp", "ColorButtonDown",
                                       "BorderBrightness", "ColorBright", "DisplayHand", "ColorScheme"}));

    // Everything away from its default: all nineteen keys, in order.
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    button.SetEnabled(false);
    button.SetIconHighLite(true);
    button.SetIconHighLiteColor(1);
    button.SetCaptionHighLite(true);
    button.SetCaptionHighLiteColor(2);
    button.SetForeColor(3);
    button.SetPicture(ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon));
    button.SetPictureAlignment(PictureLeft);
    button.SetChecked(true);
    button.SetDisplayHand(true);
    PropertyBag full;
    button.WriteProperties(full);
    EXPECT_EQ(full.Keys(), (QStringList{"Enabled", "Font", "Caption", "IconHighLite", "IconHighLiteColor",
                                        "CaptionHighLite", "CaptionHighLiteColor", "ForeColor", "Picture",
                                        "PictureAlignment", "Style", "Checked", "ColorButtonHover", "ColorButtonUp",
                                        "ColorButtonDown", "BorderBrightness", "ColorBright", "DisplayHand",
                                        "ColorScheme"}));

    // A button that takes the host's font and the type name as caption writes neither.
    QWidget host;
    auto* plain = new CandyButton(&host);
    plain->ReadProperties(PropertyBag{});
    PropertyBag fallback;
    plain->WriteProperties(fallback);
    EXPECT_FALSE(fallback.Contains(QStringLiteral("Font")));
    EXPECT_FALSE(fallback.Contains(QStringLiteral("Caption")));
    EXPECT_FALSE(fallback.Contains(QStringLiteral("IconHighLiteColor")));
    EXPECT_TRUE(fallback.Contains(QStringLiteral("Checked")));

    // What is written reads back.
    QWidget otherHost;
    otherHost.setFont(host.font());
    auto* copy = new CandyButton(&otherHost);
    copy->ReadProperties(full);
    PropertyBag again;
    copy->WriteProperties(again);
    EXPECT_EQ(again, full);
}

TEST(CandyButton, SchemeFourThenAManualColour)
{
    Hosted hosted;
    CandyButton& button = *hosted.button;
    Reports spy(&button);
    button.SetColorScheme(4);
    EXPECT_EQ(Reported(spy), (QStringList{"m_ColorButtonUp", "m_ColorButtonHover", "m_ColorButtonDown",
                                          "m_ColorBright", "m_ColorScheme"}));
    EXPECT_EQ(button.ColorScheme(), 4);
    EXPECT_EQ(button.ColorButtonUp(), 0x000080u);
    EXPECT_EQ(button.ColorButtonHover(), 0x0000A0u);
    EXPECT_EQ(button.ColorButtonDown(), 0x0000F0u);
    EXPECT_EQ(button.ColorBright(), 0x0000FFu);

    spy.clear();
    button.SetColorButtonUp(0x00ABCDEF);
    EXPECT_EQ(Reported(spy), (QStringList{"m_ColorScheme", "m_ColorButtonUp"}));
    EXPECT_EQ(button.ColorScheme(), 0);
    EXPECT_EQ(button.ColorButtonUp(), 0x00ABCDEFu);
    EXPECT_EQ(button.ColorButtonHover(), 0x0000A0u);
    EXPECT_EQ(button.ColorButtonDown(), 0x0000F0u);
    EXPECT_EQ(button.ColorBright(), 0x0000FFu);

    // From one scheme to another, the first colour resets the old scheme.
    button.SetColorScheme(3);
    spy.clear();
    button.SetColorScheme(5);
    EXPECT_EQ(Reported(spy), (QStringList{"m_ColorScheme", "m_ColorButtonUp", "m_ColorButtonHover",
                                          "m_ColorButtonDown", "m_ColorBright", "m_ColorScheme"}));
    EXPECT_EQ(button.ColorButtonHover(), 0x00A000u);

    // Outside 1..6 nothing but the number changes.
    for (int scheme : {9, 0, -2}) {
        button.SetColorScheme(scheme);
        EXPECT_EQ(button.ColorScheme(), scheme);
        EXPECT_EQ(button.ColorButtonUp(), 0x008000u);
        EXPECT_EQ(button.ColorBright(), 0x00FF00u);
    }
}

TEST(CandyButton, SettersReportTheirNamesAndBorderBrightnessIsClamped)
{
    Hosted hosted;
    CandyButton& button = *hosted.button;
    Reports spy(&button);
    button.SetBorderBrightness(250);
    EXPECT_EQ(button.BorderBrightness(), 100);
    button.SetBorderBrightness(-101);
    EXPECT_EQ(button.BorderBrightness(), -100);
    button.SetBorderBrightness(-30);
    EXPECT_EQ(button.BorderBrightness(), -30);
    button.SetDisplayHand(true); // stored only, reported to nobody
    EXPECT_TRUE(button.DisplayHand());
    EXPECT_EQ(button.cursor().shape(), Qt::ArrowCursor);
    button.SetEnabled(true);
    button.SetIconHighLite(true);
    button.SetIconHighLiteColor(5);
    button.SetCaptionHighLite(true);
    button.SetCaptionHighLiteColor(6);
    button.SetColorBright(1);
    button.SetColorButtonDown(2);
    button.SetColorButtonHover(3);
    button.SetForeColor(4);
    button.SetPicture(ButtonPicture());
    button.SetChecked(false);
    button.SetStyle(button.Style());
    button.SetPictureAlignment(button.PictureAlignment());
    button.SetCaption(QStringLiteral("x"));
    button.SetFont(CrispFont());
    EXPECT_EQ(Reported(spy),
              (QStringList{"m_BorderBrightness", "m_BorderBrightness", "m_BorderBrightness", "Enabled", "IconHighLite",
                           "IconHighLiteColor", "CaptionHighLite", "CaptionHighLiteColor", "m_ColorBright",
                           "m_ColorButtonDown", "m_ColorButtonHover", "ForeColor", "Picture", "Checked", "Style",
                           "PictureAlignment", "Caption", "Font"}));
    EXPECT_EQ(button.Surface().TextColor(), 4u);
}

TEST(CandyButton, NothingIsDrawnBeforeThePropertiesAreReady)
{
    QWidget host;
    auto* button = new CandyButton(&host);
    button->resize(60, 23);
    button->SetCaption(QStringLiteral("OK"));
    button->Redraw(StateHover);
    EXPECT_EQ(button->Surface().Width(), 0);
    button->InitProperties();
    button->Redraw(StateNormal);
    EXPECT_EQ(button->Surface().Width(), 60);
    EXPECT_EQ(button->Surface().Height(), 23);
}

TEST(CandyButton, CheckedPaintsTheCheckedLookWhateverIsAsked)
{
    Hosted hosted;
    CandyButton& button = *hosted.button;
    button.SetChecked(true);
    const QImage checked = hosted.surface().Image();
    EXPECT_EQ(hosted.surface().Pixel(1, 10), RgbColor(255, 255, 255));
    for (int state = StateNormal; state <= StateChecked; ++state) {
        button.Redraw(ButtonState(state));
        EXPECT_EQ(hosted.surface().Image(), checked) << "state " << state;
    }
    button.SetChecked(false);
    EXPECT_EQ(hosted.surface().Pixel(1, 10), kOwnColour);
}

TEST(CandyButton, StyleAndAlignmentRepaintOnlyWhenTheyChange)
{
    Hosted hosted;
    CandyButton& button = *hosted.button;
    EXPECT_EQ(hosted.surface().Pixel(0, 0), kHostColour);
    // The host changes colour; the button shows it only when it repaints.
    QPalette palette = hosted.host.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    hosted.host.setPalette(palette);
    button.SetStyle(StyleToolbar);
    button.SetPictureAlignment(PictureAbove);
    EXPECT_EQ(hosted.surface().Pixel(0, 0), kHostColour);
    button.SetPictureAlignment(PictureBelow);
    EXPECT_EQ(hosted.surface().Pixel(0, 0), RgbColor(1, 2, 3));
}

TEST(CandyButton, FaceFollowsTheStyle)
{
    Hosted hosted;
    CandyButton& button = *hosted.button;
    button.SetStyle(StyleStandard);
    PixelSurface expected(60, 23);
    expected.SetBackColor(kOwnColour);
    expected.Clear();
    DrawStandardStyle(expected, StateNormal, kHostColour);
    EXPECT_EQ(hosted.surface().Image(), expected.Image());

    // Unknown styles: no face, the full rectangle, but the caption is drawn.
    for (int style : {8, -1}) {
        button.SetStyle(style);
        button.SetCaption(QStringLiteral("OK"));
        EXPECT_TRUE(button.mask().isEmpty()) << style;
        EXPECT_FALSE(button.WindowShape().has_value());
        EXPECT_EQ(hosted.surface().Pixel(0, 0), kOwnColour);
        std::set<OleColor> colours;
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 60; ++x)
                colours.insert(hosted.surface().Pixel(x, y));
        EXPECT_EQ(colours, (std::set<OleColor>{kOwnColour, 0u})) << style; // background and black text
    }
}

TEST(CandyButton, ShapedStylesCutTheWindowToTheirOutline)
{
    Hosted hosted(40, 20, StyleCapsuleGloss);
    CandyButton& button = *hosted.button;
    EXPECT_EQ(button.CornerRadius(), 11);
    ASSERT_TRUE(button.WindowShape().has_value());
    EXPECT_EQ(*button.WindowShape(), BuildShapeRegion(0, 0, 40, 20, 11));
    const QRegion mask = button.mask();
    for (int y = -1; y <= 20; ++y)
        for (int x = -1; x <= 40; ++x)
            EXPECT_EQ(mask.contains(QPoint(x, y)), button.WindowShape()->Contains(x, y)) << x << "," << y;
    EXPECT_FALSE(mask.contains(QPoint(7, 1)));
    EXPECT_TRUE(mask.contains(QPoint(8, 1)));
    ASSERT_TRUE(button.InnerShape().has_value());
    EXPECT_EQ(*button.InnerShape(), BuildShapeRegion(1, 1, 38, 18, 11));

    // Back to a rectangular style: full rectangle again, no inner outline, radius kept.
    button.SetStyle(StyleToolbar);
    EXPECT_TRUE(button.mask().isEmpty());
    EXPECT_FALSE(button.InnerShape().has_value());
    EXPECT_EQ(button.CornerRadius(), 11);

    // Style 3 on a tiny button still uses 12.
    button.resize(10, 10);
    button.SetStyle(StyleRoundedGloss);
    EXPECT_EQ(button.CornerRadius(), 12);
    EXPECT_EQ(*button.WindowShape(), BuildShapeRegion(0, 0, 10, 10, 12));
}

TEST(CandyButton, PictureLeftUsesTheCornerRadius)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(40, 20, 10));
    const ButtonPicture bitmap = ButtonPicture::FromImage(image, ButtonPicture::Kind::Bitmap);

    Hosted rectangular(80, 24, StyleToolbar);
    rectangular.button->SetPictureAlignment(PictureLeft);
    rectangular.button->SetPicture(bitmap);
    // IconY = (24 − 16) \ 2 + 1 = 5.
    EXPECT_EQ(rectangular.surface().Pixel(4, 5), RgbColor(40, 20, 10));
    EXPECT_EQ(rectangular.surface().Pixel(3, 5), kOwnColour);

    Hosted capsule(80, 24, StyleCapsuleGloss);
    capsule.button->SetPictureAlignment(PictureLeft);
    capsule.button->SetPicture(bitmap);
    EXPECT_EQ(capsule.button->CornerRadius(), 13);
    EXPECT_EQ(capsule.surface().Pixel(13, 5), RgbColor(40, 20, 10));
    EXPECT_EQ(capsule.surface().Pixel(12, 5), kOwnColour);
}

TEST(CandyButton, DisabledButtonGraysItsCaptionAndKeepsItsTextColour)
{
    Hosted hosted(80, 23, 8);
    CandyButton& button = *hosted.button;
    button.SetForeColor(RgbColor(0, 0, 200));
    button.SetCaption(QStringLiteral("Help"));
    button.SetEnabled(false);
    std::set<OleColor> colours;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 80; ++x)
            colours.insert(hosted.surface().Pixel(x, y));
    EXPECT_EQ(colours, (std::set<OleColor>{kOwnColour, RgbColor(141, 141, 141)}));
    EXPECT_EQ(button.Surface().TextColor(), RgbColor(0, 0, 200));
    button.SetEnabled(true);
    colours.clear();
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 80; ++x)
            colours.insert(hosted.surface().Pixel(x, y));
    EXPECT_EQ(colours, (std::set<OleColor>{kOwnColour, RgbColor(0, 0, 200)}));
}

TEST(CandyButton, PublicColourOperations)
{
    Hosted hosted;
    int percentage = 150;
    EXPECT_EQ(hosted.button->BlendColors(0, 0xFFFFFF, percentage), 0xFFFFFFu);
    EXPECT_EQ(percentage, 100);
    int r, g, b;
    hosted.button->GetRGB(r, g, b, 0x00E99950);
    EXPECT_EQ((std::array{r, g, b}), (std::array{80, 153, 233}));
}
