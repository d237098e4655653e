// Initialising, reading and writing the button's saved properties.
#include "CandyButton.h"

#include "MouseTracking.h"
#include "WindowMessages.h"

#include <QApplication>

namespace {
constexpr OleColor kHighLiteFallback = 0x00FF00;
constexpr OleColor kNewUpDown = 0xE99950;
constexpr OleColor kNewHover = 0xFFC090;
constexpr OleColor kNewBright = 0xFFEDB0;

QVariant ColorValue(OleColor colour)
{
    return QVariant(static_cast<qlonglong>(colour));
}

OleColor ReadColor(const PropertyBag& bag, const QString& key, OleColor fallback)
{
    return static_cast<OleColor>(bag.ReadProperty(key, ColorValue(fallback)).toLongLong());
}

bool ReadBool(const PropertyBag& bag, const QString& key, bool fallback)
{
    return bag.ReadProperty(key, fallback).toBool();
}

int ReadInt(const PropertyBag& bag, const QString& key, int fallback)
{
    return bag.ReadProperty(key, fallback).toInt();
}

// A saved picture is the picture itself, or the path of the image it was loaded from.
ButtonPicture ReadPicture(const PropertyBag& bag)
{
    const QVariant value = bag.ReadProperty(QStringLiteral("Picture"));
    if (value.metaType() == QMetaType::fromType<ButtonPicture>())
        return value.value<ButtonPicture>();
    if (value.metaType() == QMetaType::fromType<QString>())
        return ButtonPicture::Load(value.toString());
    return {};
}
} // namespace

QFont CandyButton::HostFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void CandyButton::InitProperties()
{
    m_ColorButtonUp = kNewUpDown;
    m_ColorButtonDown = kNewUpDown;
    m_Enabled = true;
    m_ColorButtonHover = kNewHover;
    m_ColorBright = kNewBright;
    m_Caption = objectName();
    m_PropertiesReady = true;
    m_ShownFaceCurrent = false;  // read, not yet drawn
}

void CandyButton::ReadProperties(const PropertyBag& bag, bool userMode)
{
    // Values go straight into the fields: a saved scheme is not re-applied and a saved colour
    // does not reset the scheme.
    m_Enabled = ReadBool(bag, QStringLiteral("Enabled"), true);
    m_Surface.SetFont(bag.ReadProperty(QStringLiteral("Font"), HostFont()).value<QFont>());
    m_Caption = bag.ReadProperty(QStringLiteral("Caption"), TypeName()).toString();
    m_CaptionHighLite = ReadBool(bag, QStringLiteral("CaptionHighLite"), false);
    m_CaptionHighLiteColor = ReadColor(bag, QStringLiteral("CaptionHighLiteColor"), kHighLiteFallback);
    m_IconHighLite = ReadBool(bag, QStringLiteral("IconHighLite"), false);
    m_IconHighLiteColor = ReadColor(bag, QStringLiteral("IconHighLiteColor"), kHighLiteFallback);
    m_ForeColor = ReadColor(bag, QStringLiteral("ForeColor"), 0);
    m_Picture = ReadPicture(bag);
    m_PictureAlignment = ReadInt(bag, QStringLiteral("PictureAlignment"), 0);
    m_Style = ReadInt(bag, QStringLiteral("Style"), 0);
    m_Checked = ReadBool(bag, QStringLiteral("Checked"), m_Checked);
    m_ColorButtonHover = ReadColor(bag, QStringLiteral("ColorButtonHover"), kNewHover);
    m_ColorButtonUp = ReadColor(bag, QStringLiteral("ColorButtonUp"), kNewUpDown);
    m_ColorButtonDown = ReadColor(bag, QStringLiteral("ColorButtonDown"), kNewUpDown);
    m_ColorBright = ReadColor(bag, QStringLiteral("ColorBright"), kNewBright);
    m_BorderBrightness = ReadInt(bag, QStringLiteral("BorderBrightness"), 0);
    m_DisplayHand = ReadBool(bag, QStringLiteral("DisplayHand"), false);
    m_ColorScheme = ReadInt(bag, QStringLiteral("ColorScheme"), 0);

    setCursor(m_DisplayHand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    ApplyFocusPolicy();
    m_Surface.SetTextColor(m_ForeColor);
    if (userMode)
        SetUpHoverTracking();
    m_PropertiesReady = true;
    m_ShownFaceCurrent = false;  // read, not yet drawn
}

void CandyButton::WriteProperties(PropertyBag& bag) const
{
    const QVariant none;
    bag.WriteProperty(QStringLiteral("Enabled"), m_Enabled, true);
    bag.WriteProperty(QStringLiteral("Font"), Font(), HostFont());
    bag.WriteProperty(QStringLiteral("Caption"), m_Caption, TypeName());
    bag.WriteProperty(QStringLiteral("IconHighLite"), m_IconHighLite, false);
    bag.WriteProperty(QStringLiteral("IconHighLiteColor"), ColorValue(m_IconHighLiteColor), ColorValue(kHighLiteFallback));
    bag.WriteProperty(QStringLiteral("CaptionHighLite"), m_CaptionHighLite, false);
    bag.WriteProperty(QStringLiteral("CaptionHighLiteColor"), ColorValue(m_CaptionHighLiteColor),
                      ColorValue(kHighLiteFallback));
    bag.WriteProperty(QStringLiteral("ForeColor"), ColorValue(m_ForeColor), ColorValue(0));
    bag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(m_Picture), QVariant::fromValue(ButtonPicture()));
    bag.WriteProperty(QStringLiteral("PictureAlignment"), m_PictureAlignment, 0);
    bag.WriteProperty(QStringLiteral("Style"), m_Style, 0);
    bag.WriteProperty(QStringLiteral("Checked"), m_Checked, none);
    bag.WriteProperty(QStringLiteral("ColorButtonHover"), ColorValue(m_ColorButtonHover), none);
    bag.WriteProperty(QStringLiteral("ColorButtonUp"), ColorValue(m_ColorButtonUp), none);
    bag.WriteProperty(QStringLiteral("ColorButtonDown"), ColorValue(m_ColorButtonDown), none);
    bag.WriteProperty(QStringLiteral("BorderBrightness"), m_BorderBrightness, none);
    bag.WriteProperty(QStringLiteral("ColorBright"), ColorValue(m_ColorBright), none);
    bag.WriteProperty(QStringLiteral("DisplayHand"), m_DisplayHand, none);
    bag.WriteProperty(QStringLiteral("ColorScheme"), m_ColorScheme, none);
}

void CandyButton::SetUpHoverTracking()
{
    m_HoverTrackingEnabled = true;
    m_UseUser32Tracking = MouseTracking::ModuleExports("User32", "TrackMouseEvent");
    if (!m_UseUser32Tracking && !MouseTracking::ModuleExports("Comctl32", "_TrackMouseEvent"))
        m_HoverTrackingEnabled = false;
    // A second reading keeps the hook it already has.
    if (!m_HoverTrackingEnabled || Hook())
        return;
    if (!m_Subclasser.Subclass(this))
        return;
    m_Subclasser.AddMessage(this, WindowMessages::WM_PAINT, WindowHook::Before);
    m_Subclasser.AddMessage(this, WindowMessages::WM_MOUSEMOVE, WindowHook::After);
    m_Subclasser.AddMessage(this, WindowMessages::WM_MOUSELEAVE, WindowHook::After);
}
