#include "CandyButton.h"
#include "ControlsTestSupport.h"
#include "ShapeGeometry.h"
#include "StandardFaces.h"

#include <QApplication>
#include <QShowEvent>
#include <QTemporaryDir>
#include <QtTest/qtestspontaneevent.h>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
constexpr OleColor kHostColour = RgbColor(200, 100, 50);
constexpr OleColor kOwnColour = RgbColor(10, 20, 30);

// The names a button reports to its host.
struct Reports : QStringList {
    explicit Reports(CandyButton* button)
    {
        QObject::connect(button, &CandyButton::PropertyChanged, [this](const QString& name) { append(name); });
    }
};

// What a button saves, as "Key=value" in order: colours in hex, a font as family and points.
QString Saved(const CandyButton& button)
{
    PropertyBag bag;
    button.WriteProperties(bag);
    QStringList entries;
    for (const auto& [key, value] : bag.Entries()) {
        QString text = value.toString();
        if (value.metaType().id() == QMetaType::LongLong)
            text = QStringLiteral("0x") + QString::number(value.toLongLong(), 16).toUpper();
        if (value.metaType().id() == QMetaType::QFont)
            text = value.value<QFont>().family() + QLatin1Char(' ') + QString::number(value.value<QFont>().pointSizeF());
        entries << key + QLatin1Char('=') + text;
    }
    return entries.join(QLatin1Char(' '));
}

// A new button of the given size and style on a host window of a known colour.
struct Hosted {
    QWidget host;
    CandyButton& button = *new CandyButton(&host);

    explicit Hosted(int w = 60, int h = 23, int style = StyleToolbar)
    {
        host.setPalette(QPalette(QColor(200, 100, 50)));
        button.InitProperties();
        button.SetBackColor(kOwnColour);
        button.SetFont(CrispFont());
        button.SetCaption(QString());
        button.resize(w, h);
        button.SetStyle(style);
        button.RebuildShape();
        button.Redraw(StateNormal);
    }
    const PixelSurface& surface() const { return button.Surface(); }
};
} // namespace

// Saved keys come in a fixed order and a value equal to its default is left out. A new button's
// highlight colours are 0, not their default 0x00FF00, so they are written; its font is the
// surface's own, not the host's.
TEST(CandyButton, NewAndLoadedButtons)
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("Arial"), 11));
    auto* button = new CandyButton(&host);
    button->setObjectName(QStringLiteral("CandyButton2"));
    button->Redraw(StateNormal);
    EXPECT_EQ(button->Surface().Width(), 0) << "nothing is drawn before the properties are ready";
    button->InitProperties();
    EXPECT_TRUE(button->PropertiesReady());
    EXPECT_EQ(Saved(*button), "Font=Tahoma 9 Caption=CandyButton2 IconHighLiteColor=0x0 CaptionHighLiteColor=0x0 "
                              "Checked=false ColorButtonHover=0xFFC090 ColorButtonUp=0xE99950 ColorButtonDown=0xE99950 "
                              "BorderBrightness=0 ColorBright=0xFFEDB0 DisplayHand=false ColorScheme=0");

    // Read without saved values: the host's font, the type name, 0x00FF00 highlights, Checked as it was.
    auto* loaded = new CandyButton(&host);
    loaded->SetChecked(true);
    loaded->ReadProperties(PropertyBag{});
    EXPECT_TRUE(loaded->PropertiesReady());
    EXPECT_EQ(loaded->Font(), host.font());
    EXPECT_EQ(loaded->Caption(), QStringLiteral("CandyButton"));
    EXPECT_EQ((std::array{loaded->IconHighLiteColor(), loaded->CaptionHighLiteColor()}), (std::array{0x00FF00u, 0x00FF00u}));
    EXPECT_EQ(loaded->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Saved(*loaded), "Checked=true ColorButtonHover=0xFFC090 ColorButtonUp=0xE99950 ColorButtonDown=0xE99950 "
                              "BorderBrightness=0 ColorBright=0xFFEDB0 DisplayHand=false ColorScheme=0");

    // Saved values go in without the setters: no scheme preset, no clamping, no reports.
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ColorScheme"), 3);
    bag.WriteProperty(QStringLiteral("ColorButtonUp"), qlonglong(0x123456));
    bag.WriteProperty(QStringLiteral("ForeColor"), qlonglong(0x0000FF));
    bag.WriteProperty(QStringLiteral("BorderBrightness"), 250);
    bag.WriteProperty(QStringLiteral("DisplayHand"), true);
    Reports reports(loaded);
    loaded->ReadProperties(bag);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(loaded->Surface().TextColor(), 0x0000FFu);
    EXPECT_EQ(loaded->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Saved(*loaded), "ForeColor=0xFF Checked=true ColorButtonHover=0xFFC090 ColorButtonUp=0x123456 "
                              "ColorButtonDown=0xE99950 BorderBrightness=250 ColorBright=0xFFEDB0 DisplayHand=true "
                              "ColorScheme=3");
}

// Every setter but DisplayHand's reports its name, stores its value and, everything away from
// its default, all nineteen keys are saved and read back the same.
TEST(CandyButton, SettersReportStoreAndClamp)
{
    Hosted hosted;
    CandyButton& button = hosted.button;
    Reports reports(&button);
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    for (auto [value, stored] : {std::pair{250, 100}, {-101, -100}, {-30, -30}}) {
        button.SetBorderBrightness(value);
        EXPECT_EQ(button.BorderBrightness(), stored);
    }
    button.SetDisplayHand(true); // stored only: the pointer changes at the next read
    EXPECT_EQ(button.cursor().shape(), Qt::ArrowCursor);
    button.SetEnabled(false);
    button.SetIconHighLite(true);
    button.SetIconHighLiteColor(5);
    button.SetCaptionHighLite(true);
    button.SetCaptionHighLiteColor(6);
    button.SetColorBright(1);
    button.SetColorButtonDown(2);
    button.SetColorButtonHover(3);
    button.SetForeColor(4);
    button.SetPicture(ButtonPicture::FromImage(image, ButtonPicture::Kind::Icon));
    button.SetChecked(false);
    button.SetStyle(button.Style());
    button.SetPictureAlignment(PictureLeft);
    button.SetCaption(QStringLiteral("x"));
    button.SetFont(QFont(QStringLiteral("Verdana"), 8));
    EXPECT_EQ(reports, (QStringList{"m_BorderBrightness", "m_BorderBrightness", "m_BorderBrightness", "Enabled",
                                    "IconHighLite", "IconHighLiteColor", "CaptionHighLite", "CaptionHighLiteColor",
                                    "m_ColorBright", "m_ColorButtonDown", "m_ColorButtonHover", "ForeColor", "Picture",
                                    "Checked", "Style", "PictureAlignment", "Caption", "Font"}));
    EXPECT_EQ(button.Surface().TextColor(), 4u);
    EXPECT_EQ(Saved(button), "Enabled=false Font=Verdana 8 Caption=x IconHighLite=true IconHighLiteColor=0x5 "
                             "CaptionHighLite=true CaptionHighLiteColor=0x6 ForeColor=0x4 Picture= PictureAlignment=2 "
                             "Style=1 Checked=false ColorButtonHover=0x3 ColorButtonUp=0xE99950 ColorButtonDown=0x2 "
                             "BorderBrightness=-30 ColorBright=0x1 DisplayHand=true ColorScheme=0");
    PropertyBag full, again;
    button.WriteProperties(full);
    CandyButton copy(&hosted.host);
    copy.ReadProperties(full);
    copy.WriteProperties(again);
    EXPECT_EQ(again, full);
}

TEST(CandyButton, SchemeFourThenAManualColour)
{
    Hosted hosted;
    CandyButton& button = hosted.button;
    const auto colours = [&] {
        return std::array{button.ColorButtonUp(), button.ColorButtonHover(), button.ColorButtonDown(), button.ColorBright()};
    };
    Reports reports(&button);
    button.SetColorScheme(4);
    EXPECT_EQ(reports, (QStringList{"m_ColorButtonUp", "m_ColorButtonHover", "m_ColorButtonDown", "m_ColorBright",
                                    "m_ColorScheme"}));
    EXPECT_EQ(button.ColorScheme(), 4);
    EXPECT_EQ(colours(), (std::array<OleColor, 4>{0x000080, 0x0000A0, 0x0000F0, 0x0000FF}));

    reports.clear();
    button.SetColorButtonUp(0x00ABCDEF);
    EXPECT_EQ(reports, (QStringList{"m_ColorScheme", "m_ColorButtonUp"}));
    EXPECT_EQ(button.ColorScheme(), 0);
    EXPECT_EQ(colours(), (std::array<OleColor, 4>{0xABCDEF, 0x0000A0, 0x0000F0, 0x0000FF}));

    // Outside 1..6 only the number changes.
    button.SetColorScheme(5);
    for (int scheme : {9, 0, -2}) {
        button.SetColorScheme(scheme);
        EXPECT_EQ(button.ColorScheme(), scheme);
        EXPECT_EQ(colours(), (std::array<OleColor, 4>{0x008000, 0x00A000, 0x00C000, 0x00FF00})) << scheme;
    }
}

TEST(CandyButton, CheckedStyleAndAlignmentRepaints)
{
    Hosted hosted;
    CandyButton& button = hosted.button;
    button.SetChecked(true);
    const QImage checked = hosted.surface().Image();
    EXPECT_EQ(hosted.surface().Pixel(1, 10), RgbColor(255, 255, 255));
    for (int state = StateNormal; state <= StateChecked; ++state) {
        button.Redraw(ButtonState(state));
        EXPECT_EQ(hosted.surface().Image(), checked) << "state " << state;
    }
    button.SetChecked(false);
    EXPECT_EQ(hosted.surface().Pixel(1, 10), kOwnColour);

    // Style and alignment repaint only when they change: the host's new colour shows only then.
    EXPECT_EQ(hosted.surface().Pixel(0, 0), kHostColour);
    hosted.host.setPalette(QPalette(QColor(1, 2, 3)));
    button.SetStyle(StyleToolbar);
    button.SetPictureAlignment(PictureAbove);
    EXPECT_EQ(hosted.surface().Pixel(0, 0), kHostColour);
    button.SetPictureAlignment(PictureBelow);
    EXPECT_EQ(hosted.surface().Pixel(0, 0), RgbColor(1, 2, 3));
}

TEST(CandyButton, FaceFollowsTheStyleAndUnknownStylesStillShowTheCaption)
{
    Hosted hosted(80, 23, StyleStandard);
    PixelSurface expected = Cleared(80, 23, kOwnColour);
    DrawStandardStyle(expected, StateNormal, kHostColour);
    EXPECT_EQ(hosted.surface().Image(), expected.Image());

    CandyButton& button = hosted.button;
    button.SetForeColor(RgbColor(0, 0, 200));
    button.SetCaption(QStringLiteral("Help"));
    for (int style : {8, -1}) {
        button.SetStyle(style);
        EXPECT_TRUE(button.mask().isEmpty()) << style;
        EXPECT_FALSE(button.WindowShape().has_value());
        EXPECT_EQ(ColoursIn(hosted.surface()), (std::set{kOwnColour, RgbColor(0, 0, 200)})) << style;
        // Disabled: the caption in gray, the text colour kept for later.
        button.SetEnabled(false);
        EXPECT_EQ(ColoursIn(hosted.surface()), (std::set{kOwnColour, RgbColor(141, 141, 141)})) << style;
        button.SetEnabled(true);
        EXPECT_EQ(ColoursIn(hosted.surface()), (std::set{kOwnColour, RgbColor(0, 0, 200)})) << style;
    }
}

TEST(CandyButton, ShapedStylesCutTheWindowToTheirOutline)
{
    Hosted hosted(40, 20, StyleCapsuleGloss);
    CandyButton& button = hosted.button;
    EXPECT_EQ(button.CornerRadius(), 11);
    ASSERT_TRUE(button.WindowShape().has_value() && button.InnerShape().has_value());
    EXPECT_EQ(*button.WindowShape(), BuildShapeRegion(0, 0, 40, 20, 11));
    EXPECT_EQ(*button.InnerShape(), BuildShapeRegion(1, 1, 38, 18, 11));
    for (int y = -1; y <= 20; ++y)
        for (int x = -1; x <= 40; ++x)
            EXPECT_EQ(button.mask().contains(QPoint(x, y)), button.WindowShape()->Contains(x, y)) << x << "," << y;

    // Back to a rectangular style: full rectangle again, no inner outline, radius kept.
    button.SetStyle(StyleToolbar);
    EXPECT_TRUE(button.mask().isEmpty());
    EXPECT_FALSE(button.InnerShape().has_value());
    EXPECT_EQ(button.CornerRadius(), 11);

}

// IconY = (24 − 16) \ 2 + 1 = 5; IconX = 4 without a radius, 13 on a capsule 24 high.
TEST(CandyButton, PictureLeftUsesTheCornerRadius)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(40, 20, 10));
    for (auto [style, iconX] : {std::pair{StyleToolbar, 4}, {StyleCapsuleGloss, 13}}) {
        Hosted hosted(80, 24, style);
        hosted.button.SetPictureAlignment(PictureLeft);
        const OleColor leftOfPicture = hosted.surface().Pixel(iconX - 1, 5);
        hosted.button.SetPicture(ButtonPicture::FromImage(image, ButtonPicture::Kind::Bitmap));
        EXPECT_EQ(hosted.surface().Pixel(iconX, 5), RgbColor(40, 20, 10)) << style;
        EXPECT_EQ(hosted.surface().Pixel(iconX - 1, 5), leftOfPicture) << style;
    }
}

// The window coming on screen again (after being minimised, say) shows its controls once
// more: a button drawn in another state since its own showing shows its normal face then.
TEST(CandyButton, AShowFromTheWindowDrawsTheNormalFaceUnlessThatIsStillShown)
{
    Hosted hosted(80, 24, StyleCapsuleGloss);
    QShowEvent own;
    QCoreApplication::sendEvent(&hosted.button, &own);
    const QImage normal = hosted.surface().Image();
    hosted.button.Redraw(StateHover);
    ASSERT_NE(hosted.surface().Image(), normal);
    // Delivered as the window system's own: sendEvent would take the mark off.
    const auto fromWindow = [&] {
        QShowEvent show;
        QSpontaneKeyEvent::setSpontaneous(&show);
        qApp->notify(&hosted.button, &show);
    };
    fromWindow();
    EXPECT_EQ(hosted.surface().Image(), normal);
    // Still the normal face: a second show from the window leaves it as it is.
    fromWindow();
    EXPECT_EQ(hosted.surface().Image(), normal);
}

TEST(ButtonPicture, ALargerDrawingBesideTheFileIsTakenOnlyAtTwiceTheSize)
{
    EXPECT_EQ(ButtonPicture::LargerDrawingPath(":/icons/small/help.png"), QStringLiteral(":/icons/small/help@2x.png"));
    EXPECT_EQ(ButtonPicture::LargerDrawingPath("/a.b/picture"), QStringLiteral("/a.b/picture@2x"));
    QTemporaryDir folder;
    // Width of the larger drawing → taken or not; "none" has no larger drawing at all.
    for (const auto& [name, width, taken] : {std::tuple{"none", 0, false}, {"twice", 32, true}, {"more", 33, false}}) {
        const QString path = folder.filePath(QLatin1String(name) + ".png");
        QImage(16, 16, QImage::Format_ARGB32).save(path);
        if (width)
            QImage(width, 32, QImage::Format_ARGB32).save(ButtonPicture::LargerDrawingPath(path));
        const ButtonPicture picture = ButtonPicture::Load(path);
        EXPECT_EQ(picture.largerDrawing().isNull(), !taken) << name;
        EXPECT_EQ(picture.widthPixels(), 16) << "the extent stays the picture's own";
    }
}
