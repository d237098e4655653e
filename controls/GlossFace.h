#pragma once

#include "ButtonTypes.h"
#include "GlossParams.h"
#include "PixelSurface.h"
#include "ShapeRegion.h"

// The shared painter of the gloss looks (Styles 2, 3, 4, 5 and 7): the face colour, a glow of
// shrinking ellipses toward the bright colour, a gloss band near the top fading from white into
// the face, and a one-pixel border ring between the window outline and the inner outline.

// What the gloss painter reads from the button besides its record.
struct GlossLook {
    int cornerRadius = 1;
    // The outline one pixel inside the window outline; none counts as empty.
    const ShapeRegion* innerShape = nullptr;
    bool enabled = true;
    int borderBrightness = 0; // −100 (black) .. 100 (white)
    OleColor bright = 0;
};

// Paints the face of a width × height surface in colour.
void PaintGlossFace(PixelSurface& surface, int width, int height, OleColor colour, const GlossParams& p,
                    const GlossLook& look);

// The glow alone: filled ellipses from the glow box inward, each nearer to bright. A half-axis
// of zero or less has no glow.
void PaintGlow(PixelSurface& surface, OleColor colour, OleColor bright, const GlossParams& p, int width, int height);
