#include "CandyButton.h"

#include "CandyButtonAccessible.h"
#include "ColorMath.h"

namespace {
// The colours of each scheme, in the order their setters run: Up, Hover, Down, Bright.
struct SchemeColors {
    OleColor up;
    OleColor hover;
    OleColor down;
    OleColor bright;
};

constexpr SchemeColors kSchemes[] = {
    {0xD06720, 0xE99950, 0xA06710, 0xFFEDB0}, // 1 blue
    {0xD09060, 0xE06000, 0xA98050, 0xFFFAFA}, // 2 light blue
    {0x800000, 0xA00000, 0xF00000, 0xFF0000}, // 3 navy blue
    {0x000080, 0x0000A0, 0x0000F0, 0x0000FF}, // 4 red
    {0x008000, 0x00A000, 0x00C000, 0x00FF00}, // 5 green
    {0x008080, 0x00A0A0, 0x00C0C0, 0x00FFFF}, // 6 olive to yellow
};

// The button face of the system palette: the same colour as the windows that host the button.
constexpr OleColor kButtonFace = 0x8000000F;
} // namespace

CandyButton::CandyButton(QWidget* parent) : QWidget(parent)
{
    m_Surface.SetBackColor(kButtonFace);
    // Moves arrive without a button held too: the hook's hover test needs every one.
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
    ApplyFocusPolicy();
    InstallCandyButtonAccessibility();
}

CandyButton::~CandyButton()
{
    m_Subclasser.Terminate();
    m_InnerShape.reset();
}

QString CandyButton::TypeName()
{
    return QStringLiteral("CandyButton");
}

void CandyButton::SetDisplayHand(bool value)
{
    // Takes effect at the next reading of saved properties.
    m_DisplayHand = value;
}

void CandyButton::SetEnabled(bool value)
{
    m_Enabled = value;
    ApplyFocusPolicy();
    emit PropertyChanged(QStringLiteral("Enabled"));
    Redraw(StateNormal);
}

void CandyButton::SetColorScheme(int value)
{
    if (value >= 1 && value <= 6) {
        const SchemeColors& scheme = kSchemes[value - 1];
        SetColorButtonUp(scheme.up);
        SetColorButtonHover(scheme.hover);
        SetColorButtonDown(scheme.down);
        SetColorBright(scheme.bright);
    }
    m_ColorScheme = value;
    emit PropertyChanged(QStringLiteral("m_ColorScheme"));
    Redraw(StateNormal);
}

void CandyButton::SetBorderBrightness(int value)
{
    m_BorderBrightness = Clamp(value, -100, 100);
    emit PropertyChanged(QStringLiteral("m_BorderBrightness"));
    Redraw(StateNormal);
}

void CandyButton::SetIconHighLite(bool value)
{
    m_IconHighLite = value;
    emit PropertyChanged(QStringLiteral("IconHighLite"));
}

void CandyButton::SetIconHighLiteColor(OleColor value)
{
    m_IconHighLiteColor = value;
    emit PropertyChanged(QStringLiteral("IconHighLiteColor"));
}

void CandyButton::SetCaptionHighLite(bool value)
{
    m_CaptionHighLite = value;
    emit PropertyChanged(QStringLiteral("CaptionHighLite"));
}

void CandyButton::SetCaptionHighLiteColor(OleColor value)
{
    m_CaptionHighLiteColor = value;
    emit PropertyChanged(QStringLiteral("CaptionHighLiteColor"));
}

// A colour set by hand is no longer the scheme's, so the scheme goes back to 0 first.
void CandyButton::SetSchemeColor(OleColor& colour, OleColor value, const QString& name)
{
    colour = value;
    if (m_ColorScheme != 0) {
        m_ColorScheme = 0;
        emit PropertyChanged(QStringLiteral("m_ColorScheme"));
    }
    emit PropertyChanged(name);
    Redraw(StateNormal);
}

void CandyButton::SetColorBright(OleColor value)
{
    SetSchemeColor(m_ColorBright, value, QStringLiteral("m_ColorBright"));
}

void CandyButton::SetColorButtonDown(OleColor value)
{
    SetSchemeColor(m_ColorButtonDown, value, QStringLiteral("m_ColorButtonDown"));
}

void CandyButton::SetColorButtonUp(OleColor value)
{
    SetSchemeColor(m_ColorButtonUp, value, QStringLiteral("m_ColorButtonUp"));
}

void CandyButton::SetColorButtonHover(OleColor value)
{
    SetSchemeColor(m_ColorButtonHover, value, QStringLiteral("m_ColorButtonHover"));
}

void CandyButton::SetForeColor(OleColor value)
{
    m_ForeColor = value;
    m_Surface.SetTextColor(value);
    emit PropertyChanged(QStringLiteral("ForeColor"));
    Redraw(StateNormal);
}

void CandyButton::SetPicture(const ButtonPicture& value)
{
    m_Picture = value;
    emit PropertyChanged(QStringLiteral("Picture"));
    Redraw(StateNormal);
}

void CandyButton::SetChecked(bool value)
{
    m_Checked = value;
    emit PropertyChanged(QStringLiteral("Checked"));
    if (value)
        Redraw(StateChecked);
    else
        Redraw(m_IsHovering ? StateHover : StateNormal);
}

void CandyButton::SetStyle(int value)
{
    if (value != m_Style) {
        m_Style = value;
        RebuildShape();
        Redraw(StateNormal);
    }
    emit PropertyChanged(QStringLiteral("Style"));
}

void CandyButton::SetPictureAlignment(int value)
{
    if (value != m_PictureAlignment) {
        m_PictureAlignment = value;
        Redraw(StateNormal);
    }
    emit PropertyChanged(QStringLiteral("PictureAlignment"));
}

void CandyButton::SetCaption(const QString& value)
{
    m_Caption = value;
    emit PropertyChanged(QStringLiteral("Caption"));
    Redraw(StateNormal);
}

void CandyButton::SetFont(const QFont& value)
{
    m_Surface.SetFont(value);
    emit PropertyChanged(QStringLiteral("Font"));
    Redraw(StateNormal);
}

void CandyButton::SetBackColor(OleColor colour)
{
    m_Surface.SetBackColor(colour);
    Redraw(StateNormal);
}

OleColor CandyButton::BlendColors(OleColor colour1, OleColor colour2, int& percentage) const
{
    return ::BlendColors(colour1, colour2, percentage);
}

void CandyButton::GetRGB(int& red, int& green, int& blue, OleColor colour) const
{
    ::GetRGB(red, green, blue, colour);
}
