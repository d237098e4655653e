#pragma once

#include "PixelSurface.h"

#include <QByteArray>
#include <QImage>

// A 24-bit, bottom-up pixel buffer: rows of blue, green, red bytes, the first row holding the
// image's bottom line, each row padded to a multiple of four bytes.
struct DibBuffer {
    int width = 0;
    int height = 0;
    int stride = 0; // bytes per row, padding included
    QByteArray bits;

    // (3·w + 3) rounded down to a multiple of 4.
    static int StrideFor(int width) { return (3 * width + 3) / 4 * 4; }
    // A buffer of w × h with every byte, padding included, set to fill.
    static DibBuffer Allocate(int width, int height, char fill = 0);

    // Byte offset of image pixel (x, y), y counted from the top of the image.
    int OffsetOf(int x, int y) const { return (height - 1 - y) * stride + 3 * x; }
};

// Reads an image's pixels into a new buffer; padding bytes are zero.
DibBuffer ReadBitmapBits(const QImage& image);

// How a copy combines the buffer with what the surface holds.
enum class RasterOp { Copy, And, Or };

// Copies the buffer onto the surface at (x, y), stretched to width × height (nearest pixel).
// False when there is nothing to copy.
bool CopyDibToSurface(PixelSurface& surface, const DibBuffer& buffer, int x, int y, int width, int height, RasterOp op);
