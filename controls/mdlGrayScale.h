#pragma once

#include "ButtonPicture.h"
#include "DibBuffer.h"
#include "PixelSurface.h"

// Gray copies of pictures for disabled buttons.
namespace mdlGrayScale {

// Replaces each pixel's blue, green and red bytes by their truncated mean; the padding at the
// end of each row is left as it is.
void GrayPixels(DibBuffer& buffer);

// Draws a gray copy of the picture at (x, y), stretched to width × height (−1: the picture's
// own size). An icon goes through its mask (AND, then the grayed colours with OR); a bitmap is
// copied. True when the final copy succeeded.
bool DrawGrayed(PixelSurface& target, const ButtonPicture& picture, int x, int y, int width, int height);

} // namespace mdlGrayScale
