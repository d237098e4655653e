#include "GlossFace.h"

#include "ColorMath.h"

#include <algorithm>
#include <vector>

namespace {
constexpr OleColor kWhite = RgbColor(255, 255, 255);
constexpr OleColor kBlack = RgbColor(0, 0, 0);

// Integer product, then a quotient in doubles rounded halves to even.
int PercentOf(int value, int percent)
{
    return RoundHalfEven(static_cast<double>(static_cast<long long>(value) * percent) / 100.0);
}
} // namespace

void PaintGlow(PixelSurface& surface, OleColor colour, OleColor bright, const GlossParams& p, int width, int height)
{
    const int a = PercentOf(width, p.GlowWidthPercent);
    const int b = PercentOf(height, p.GlowHeightPercent);
    // Either half-axis at zero or below leaves the box empty, and the step division has nothing
    // to divide by: no glow.
    if (a <= 0 || b <= 0)
        return;
    int left = p.GlowCentreX - a;
    int top = p.GlowCentreY - b;
    int right = p.GlowCentreX + a;
    int bottom = p.GlowCentreY + b;

    // The longer axis shrinks faster so that both reach zero together.
    float stepX = 1;
    float stepY = 1;
    if (b < a)
        stepX = static_cast<float>(a) / static_cast<float>(b);
    else
        stepY = static_cast<float>(b) / static_cast<float>(a);
    const int shrinkX = RoundHalfEven(stepX);
    const int shrinkY = RoundHalfEven(stepY);

    struct Ellipse {
        int left, top, right, bottom;
        QRgb fill;
    };
    std::vector<Ellipse> ellipses;
    int i = 1;
    OleColor fill = colour;
    while (right > left && bottom > top) {
        ellipses.push_back({left, top, right, bottom, ToQRgb(fill)});
        left += shrinkX;
        right -= shrinkX;
        top += shrinkY;
        bottom -= shrinkY;
        ++i;
        int percent = RoundHalfEven(static_cast<double>(static_cast<long long>(p.GlowStepPercent) * i) / b);
        fill = BlendColors(colour, bright, percent);
    }

    // Drawn one after the other, each ellipse covers the ones before it. All share one centre,
    // so in any row their runs are nested: going from the last ellipse back to the first, each
    // only has to paint what sticks out of the runs already painted. Every pixel is written once.
    for (int y = 0; y < surface.Height(); ++y) {
        QRgb* row = surface.Row(y);
        int coveredLeft = 0;
        int coveredRight = -1;
        bool covered = false;
        for (auto it = ellipses.rbegin(); it != ellipses.rend(); ++it) {
            int x1 = 0;
            int x2 = 0;
            if (!EllipseRowRun(y, it->left, it->top, it->right, it->bottom, x1, x2))
                continue;
            const auto paint = [&](int from, int to) {
                from = std::max(from, 0);
                to = std::min(to, surface.Width() - 1);
                if (from <= to)
                    std::fill(row + from, row + to + 1, it->fill);
            };
            if (!covered) {
                paint(x1, x2);
                coveredLeft = x1;
                coveredRight = x2;
                covered = true;
                continue;
            }
            paint(x1, coveredLeft - 1);
            paint(coveredRight + 1, x2);
            coveredLeft = std::min(coveredLeft, x1);
            coveredRight = std::max(coveredRight, x2);
        }
    }
}

void PaintGlossFace(PixelSurface& surface, int width, int height, OleColor colour, const GlossParams& p,
                    const GlossLook& look)
{
    const int radius = std::max(look.cornerRadius, 1);
    OleColor bright = look.bright;
    if (!look.enabled) {
        colour = RgbColor(192, 192, 176);
        bright = kWhite;
    }
    int brightness = look.borderBrightness;
    OleColor border;
    if (brightness >= 0) {
        border = BlendColors(colour, kWhite, brightness);
    } else {
        int darkness = -brightness;
        border = BlendColors(colour, kBlack, darkness);
    }

    surface.FillRect(0, 0, width, height, colour);
    PaintGlow(surface, colour, bright, p, width, height);

    // The gloss shape is a rounded rectangle with corner ellipses 2·GlossCorner across; only
    // its left half matters, the scan mirrors about the middle.
    const int corner = 2 * p.GlossCorner;
    const ShapeRegion empty;
    const ShapeRegion& inner = look.innerShape ? *look.innerShape : empty;
    const int lastRow = std::min(height, surface.Height());
    const QRgb borderRgb = ToQRgb(border);
    for (int y = 0; y <= lastRow; ++y) {
        QRgb* row = surface.Row(y);
        for (int x = 0; x <= width / 2; ++x) {
            if (!inner.Contains(x, y)) {
                if (row) {
                    if (x < surface.Width())
                        row[x] = borderRgb;
                    if (width - x < surface.Width())
                        row[width - x] = borderRgb;
                }
            } else if (IsInsideRoundRect(x, y, p.GlossLeft, p.GlossTop, p.GlossRight, p.GlossBottom, corner, corner)) {
                int percent = p.GlossPercentPerRadius * y / radius + p.GlossBasePercent;
                surface.Line(x, y, width - x + 1, y, BlendColors(kWhite, colour, percent));
                break; // the line covered the rest of the row
            }
        }
    }
}
