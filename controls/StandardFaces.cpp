#include "StandardFaces.h"

#include "ColorMath.h"

namespace {
constexpr OleColor kWhite = RgbColor(255, 255, 255);

// Rows first..last, row y = firstRow + (C − firstStep), coloured by t = C / divisor, each line
// from (x1, y) to (x2, y). A divisor of 0 with steps to paint cannot be drawn: false, and the
// caller gives up on the face.
bool PaintBand(PixelSurface& surface, int firstStep, int lastStep, int rowOffset, double divisor, OleColor from,
               OleColor to, int x1, int x2)
{
    for (int step = firstStep; step <= lastStep; ++step) {
        if (divisor == 0)
            return false;
        surface.Line(x1, step + rowOffset, x2, step + rowOffset, BandColor(from, to, step / divisor));
    }
    return true;
}

void PaintStandardRim(PixelSurface& surface, bool hover, int w1, int h1)
{
    const OleColor top1 = hover ? RgbColor(255, 240, 202) : RgbColor(206, 231, 255);
    const OleColor top2 = hover ? RgbColor(253, 216, 137) : RgbColor(188, 212, 246);
    const OleColor stripTo = hover ? RgbColor(248, 178, 48) : RgbColor(137, 173, 228);
    const OleColor bottom2 = hover ? RgbColor(229, 151, 0) : RgbColor(105, 130, 238);
    surface.Line(0, 1, w1, 1, top1);
    surface.Line(0, 2, w1, 2, top2);
    for (int y = 3; y <= h1 - 3; ++y) {
        const OleColor colour = BandColor(top2, stripTo, static_cast<double>(y) / h1);
        surface.Line(0, y, 3, y, colour);
        surface.Line(w1 - 2, y, w1, y, colour);
    }
    surface.Line(0, h1 - 2, w1, h1 - 2, stripTo);
    surface.Line(0, h1 - 1, w1, h1 - 1, bottom2);
}

struct ToolbarLook {
    OleColor bandA[2];
    OleColor bandB[2];
    OleColor bandC[2];
    FrameColors frame;
};

constexpr ToolbarLook kToolbarPressed{
    {RgbColor(220, 218, 209), RgbColor(231, 230, 224)},
    {RgbColor(231, 230, 224), RgbColor(225, 224, 216)},
    {RgbColor(225, 224, 216), RgbColor(235, 234, 229)},
    {RgbColor(215, 215, 204), RgbColor(179, 179, 168), RgbColor(157, 157, 146)},
};

constexpr ToolbarLook kToolbarHover{
    {RgbColor(254, 254, 253), RgbColor(252, 252, 249)},
    {RgbColor(252, 252, 249), RgbColor(238, 237, 229)},
    {RgbColor(238, 237, 229), RgbColor(215, 210, 198)},
    {RgbColor(232, 232, 221), RgbColor(216, 216, 205), RgbColor(206, 206, 195)},
};

constexpr FrameColors kToolbarCheckedFrame{RgbColor(203, 213, 214), RgbColor(152, 175, 190),
                                           RgbColor(122, 152, 175)};
constexpr FrameColors kStandardFrame{RgbColor(122, 149, 168), RgbColor(37, 87, 131), RgbColor(0, 60, 116)};
} // namespace

OleColor BandColor(OleColor from, OleColor to, double t)
{
    int r1, g1, b1, r2, g2, b2;
    GetRGB(r1, g1, b1, from);
    GetRGB(r2, g2, b2, to);
    // Steps past the end of a band extrapolate a little; keep each channel a channel.
    const auto channel = [t](int s, int e) { return Clamp(RoundHalfEven(t * e + s - t * s), 0, 255); };
    return RgbColor(channel(r1, r2), channel(g1, g2), channel(b1, b2));
}

void DrawFrame(PixelSurface& surface, int w1, int h1, const FrameColors& colors)
{
    surface.SetPixel(0, 1, colors.corner);
    surface.SetPixel(1, 0, colors.corner);
    surface.Line(0, 2, 2, 0, colors.diagonal);
    surface.Line(2, 0, w1 - 2, 0, colors.edge);
    surface.SetPixel(w1 - 1, 0, colors.corner);
    surface.SetPixel(w1, 1, colors.corner);
    surface.Line(w1 - 2, 0, w1, 2, colors.diagonal);
    surface.Line(w1, 2, w1, h1 - 2, colors.edge);
    surface.SetPixel(w1, h1 - 1, colors.corner);
    surface.SetPixel(w1 - 1, h1, colors.corner);
    surface.Line(w1, h1 - 2, w1 - 2, h1, colors.diagonal);
    surface.Line(w1 - 2, h1, 2, h1, colors.edge);
    surface.SetPixel(1, h1, colors.corner);
    surface.SetPixel(0, h1 - 1, colors.corner);
    surface.Line(2, h1, 0, h1 - 2, colors.diagonal);
    surface.Line(0, h1 - 2, 0, 2, colors.edge);
}

void DrawStandardStyle(PixelSurface& surface, ButtonState state, std::optional<OleColor> parentBackColor)
{
    const int w1 = surface.Width() - 1;
    const int h1 = surface.Height() - 1;
    if (parentBackColor)
        surface.RectOutline(0, 0, w1, h1, *parentBackColor);

    if (state != StatePressed) {
        if (!PaintBand(surface, 0, h1 - 3, 0, h1 - 3, kWhite, RgbColor(236, 235, 230), 1, w1))
            return;
        PaintBand(surface, 0, 3, h1 - 4, 3, RgbColor(236, 235, 230), RgbColor(214, 208, 197), 0, w1);
    } else {
        // Sunken: darker at the top, lighter toward the bottom edge.
        PaintBand(surface, 0, 3, 1, 3, RgbColor(209, 204, 193), RgbColor(229, 228, 221), 0, w1);
        PaintBand(surface, 4, h1 - 4, 0, h1 - 6, RgbColor(229, 228, 221), RgbColor(226, 226, 218), 0, w1);
        PaintBand(surface, 0, 3, h1 - 4, 3, RgbColor(226, 226, 218), RgbColor(242, 241, 238), 0, w1);
    }

    if (state == StateFocused || state == StateHover)
        PaintStandardRim(surface, state == StateHover, w1, h1);

    DrawFrame(surface, w1, h1, kStandardFrame);
}

void DrawToolbarStyle(PixelSurface& surface, ButtonState state, bool enabled, std::optional<OleColor> containerBackColor)
{
    const int w1 = surface.Width() - 1;
    const int h1 = surface.Height() - 1;
    if (containerBackColor)
        surface.RectOutline(0, 0, w1, h1, *containerBackColor);

    if (state == StatePressed || (state == StateHover && enabled)) {
        const ToolbarLook& look = state == StatePressed ? kToolbarPressed : kToolbarHover;
        PaintBand(surface, 0, 3, 1, 3, look.bandA[0], look.bandA[1], 0, w1);
        PaintBand(surface, 4, h1 - 4, 0, h1 - 6, look.bandB[0], look.bandB[1], 0, w1);
        PaintBand(surface, 0, 3, h1 - 4, 3, look.bandC[0], look.bandC[1], 0, w1);
        DrawFrame(surface, w1, h1, look.frame);
    } else if (state == StateChecked) {
        surface.RectOutline(1, 1, w1 - 1, h1 - 1, kWhite);
        DrawFrame(surface, w1, h1, kToolbarCheckedFrame);
    }
}
