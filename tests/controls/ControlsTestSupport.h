#pragma once

#include "ButtonTypes.h"
#include "ColorMath.h"
#include "PixelSurface.h"

#include <QFont>

#include <map>
#include <set>
#include <string>
#include <vector>

// Colours as "r,g,b" so that a failing comparison says which channel is off.
inline std::string Rgb(OleColor colour)
{
    int r, g, b;
    GetRGB(r, g, b, colour);
    return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
}

// A font whose glyph pixels are exactly the text colour, so text can be checked pixel by pixel.
inline QFont CrispFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

inline PixelSurface Cleared(int w, int h, OleColor back)
{
    PixelSurface surface(w, h);
    surface.SetBackColor(back);
    surface.Clear();
    return surface;
}

inline std::set<OleColor> ColoursIn(const PixelSurface& s)
{
    std::set<OleColor> colours;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            colours.insert(s.Pixel(x, y));
    return colours;
}

// The surface as letters, one line per row: each pixel the letter its colour has in the
// legend, '?' for any other colour.
using Legend = std::map<char, OleColor>;
inline std::string MapOf(const PixelSurface& s, const Legend& legend)
{
    std::string map;
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            char letter = '?';
            for (const auto& [key, colour] : legend)
                letter = s.Pixel(x, y) == colour ? key : letter;
            map += letter;
        }
        map += '\n';
    }
    return map;
}

// A map drawn small, grown to w × h by repeating its middle column and middle row.
inline std::string Widen(const std::vector<std::string>& rows, size_t w, size_t h)
{
    std::string map;
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t mid = rows[i].size() / 2;
        const std::string row = rows[i].substr(0, mid) + std::string(w + 1 - rows[i].size(), rows[i][mid]) +
                                rows[i].substr(mid + 1) + '\n';
        for (size_t n = 0; n < (i == rows.size() / 2 ? h + 1 - rows.size() : 1); ++n)
            map += row;
    }
    return map;
}
