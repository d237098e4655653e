#pragma once

#include "ButtonTypes.h"
#include "ColorMath.h"
#include "PixelSurface.h"

#include <QFont>

#include <string>

// Colours as "r,g,b" so that a failing comparison says which channel is off.
inline std::string Rgb(OleColor colour)
{
    int r, g, b;
    GetRGB(r, g, b, colour);
    return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
}

// A font whose glyph pixels are exactly the text colour, so text can be checked pixel by pixel.
inline QFont CrispFont(int pixelSize = 13)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// How many pixels of a surface differ from a colour.
inline int CountOtherThan(const PixelSurface& surface, OleColor colour)
{
    int count = 0;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.Pixel(x, y) != colour)
                ++count;
    return count;
}
