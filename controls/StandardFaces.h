#pragma once

#include "ButtonTypes.h"
#include "PixelSurface.h"

#include <optional>

// The two rectangular looks: Style 0, a raised push button with focus and hover rims, and
// Style 1, a toolbar button that is flat until hovered, pressed or checked. Both use fixed
// colours and paint over a surface that has just been cleared. The outline colour is the
// host's background; without one the outline is skipped.

// The three colours of the bevelled frame.
struct FrameColors {
    OleColor corner;
    OleColor diagonal;
    OleColor edge;
};

// The sixteen-operation frame along the edges of a surface whose last column and row are
// w1 and h1; the four extreme corner pixels are left alone.
void DrawFrame(PixelSurface& surface, int w1, int h1, const FrameColors& colors);

// The colour of step t (0 → from, 1 → to) of a band: each channel round(t·to + from − t·from).
OleColor BandColor(OleColor from, OleColor to, double t);

void DrawStandardStyle(PixelSurface& surface, ButtonState state, std::optional<OleColor> parentBackColor);
void DrawToolbarStyle(PixelSurface& surface, ButtonState state, bool enabled,
                      std::optional<OleColor> containerBackColor);
