#include "ColorMath.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace {
// Index of a system colour → where our palette keeps its nearest counterpart.
struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemColour kSystemColours[] = {
    {QPalette::Active, QPalette::Mid},             // 0 scroll bar
    {QPalette::Active, QPalette::Window},          // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Window},          // 10 active border
    {QPalette::Inactive, QPalette::Window},        // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Window},          // 15 button face, also dialog backgrounds
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 gray text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    {QPalette::Active, QPalette::NoRole},          // 25 unused: untranslatable
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
};

OleColor FromRgb(QRgb rgb)
{
    return RgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
} // namespace

int RoundHalfEven(double value)
{
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return static_cast<int>(2.0 * std::round(value / 2.0));
    return static_cast<int>(nearest);
}

OleColor TranslateColor(OleColor colour)
{
    switch (colour >> 24) {
    case 0x00: // plain colour
    case 0x02: // palette-relative colour: without a palette it is its own value
        return colour & 0xFFFFFF;
    case 0x80: {
        const OleColor index = colour & 0xFFFFFF;
        if (index >= std::size(kSystemColours) || kSystemColours[index].role == QPalette::NoRole)
            return 0;
        const SystemColour& entry = kSystemColours[index];
        const QPalette palette = QGuiApplication::palette();
        return FromRgb(palette.color(entry.group, entry.role).rgb());
    }
    default: // palette indexes need a palette we do not have; anything else is invalid
        return 0;
    }
}

void GetRGB(int& red, int& green, int& blue, OleColor colour)
{
    const OleColor value = TranslateColor(colour);
    red = static_cast<int>(value & 0xFF);
    green = static_cast<int>((value >> 8) & 0xFF);
    blue = static_cast<int>((value >> 16) & 0xFF);
}

OleColor BlendColors(OleColor colour1, OleColor colour2, int& percentage)
{
    percentage = Clamp(percentage, 0, 100);
    int r1, g1, b1, r2, g2, b2;
    GetRGB(r1, g1, b1, colour1);
    GetRGB(r2, g2, b2, colour2);
    // The product first, then a division that truncates toward zero, so a blend never overshoots.
    const int red = r1 + ((r2 - r1) * percentage) / 100;
    const int green = g1 + ((g2 - g1) * percentage) / 100;
    const int blue = b1 + ((b2 - b1) * percentage) / 100;
    return RgbColor(red, green, blue);
}

QRgb ToQRgb(OleColor colour)
{
    const OleColor value = TranslateColor(colour);
    return qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

OleColor FromQColor(const QColor& colour)
{
    return FromRgb(colour.rgb());
}
