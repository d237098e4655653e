#pragma once

#include "ButtonTypes.h"
#include "PixelSurface.h"

// Style 6, painted pixel by pixel: a vertical gradient from the face colour in the middle to
// the bright colour at the top and bottom, a white crescent near the top and a border at half
// the face brightness. Column w1 and row h1 stay as they were. It ignores Enabled and
// BorderBrightness.
void PaintCrescentFace(PixelSurface& surface, int w1, int h1, OleColor colour, OleColor bright, int cornerRadius);
