#include "CrescentFace.h"

#include "ColorMath.h"
#include "ShapeGeometry.h"

#include <algorithm>
#include <cstdlib>

void PaintCrescentFace(PixelSurface& surface, int w1, int h1, OleColor colour, OleColor bright, int cornerRadius)
{
    // A face one row high would divide its gradient by zero; it has no inside to show anyway.
    if (h1 <= 0)
        return;
    const int r = std::max(cornerRadius, 1);
    int half = 50;
    const QRgb borderRgb = ToQRgb(BlendColors(RgbColor(0, 0, 0), colour, half));
    const int barRadius = (2 * r) / 3;
    const int lastRow = std::min(h1, surface.Height() - 1);
    const int width = surface.Width();

    OleColor gloss = colour;
    for (int y = 0; y <= lastRow; ++y) {
        if (y < r) {
            int glossPercent = 30 * y / r;
            gloss = BlendColors(RgbColor(255, 255, 255), colour, glossPercent);
        }
        int rowPercent = std::abs(((2 * y - h1) * 100) / h1);
        const QRgb face = ToQRgb(BlendColors(colour, bright, rowPercent));
        const QRgb glossRgb = ToQRgb(gloss);
        QRgb* row = surface.Row(y);
        for (int x = 0; x <= w1 / 2; ++x) {
            QRgb pixel;
            if (IsInsideShape(x, y, 1, 1, w1 - 2, h1 - 2, r)) {
                // The crescent: inside the upper bar and not inside the same bar moved down by r \ 2.
                const bool upper = IsInsideShape(x, y, 4, 2, w1 - r, 2 * r - 1, barRadius);
                const bool lower = upper && IsInsideShape(x, y, 4, r / 2, w1 - r, 2 * r - 1, barRadius);
                pixel = upper && !lower ? glossRgb : face;
            } else if (IsInsideShape(x, y, 0, 0, w1, h1, r)) {
                pixel = borderRgb;
            } else {
                continue;
            }
            if (x < width)
                row[x] = pixel;
            if (w1 - x >= 0 && w1 - x < width)
                row[w1 - x] = pixel;
        }
    }
}
