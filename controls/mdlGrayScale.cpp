#include "mdlGrayScale.h"

namespace mdlGrayScale {

void GrayPixels(DibBuffer& buffer)
{
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.bits.data());
    for (int row = 0; row < buffer.height; ++row) {
        unsigned char* pixel = bytes + row * buffer.stride;
        for (int column = 0; column < buffer.width; ++column, pixel += 3) {
            const auto mean = static_cast<unsigned char>((pixel[0] + pixel[1] + pixel[2]) / 3);
            pixel[0] = pixel[1] = pixel[2] = mean;
        }
    }
}

bool DrawGrayed(PixelSurface& target, const ButtonPicture& picture, int x, int y, int width, int height)
{
    if (picture.isNull())
        return false;
    // Anything that is not a bitmap is handled as an icon: its colour bitmap is grayed.
    const bool isIcon = picture.kind() != ButtonPicture::Kind::Bitmap;
    DibBuffer colors = ReadBitmapBits(picture.colorBitmap());
    if (width == -1)
        width = colors.width;
    if (height == -1)
        height = colors.height;
    GrayPixels(colors);
    if (!isIcon)
        return CopyDibToSurface(target, colors, x, y, width, height, RasterOp::Copy);
    const DibBuffer mask = ReadBitmapBits(picture.maskBitmap());
    CopyDibToSurface(target, mask, x, y, width, height, RasterOp::And);
    return CopyDibToSurface(target, colors, x, y, width, height, RasterOp::Or);
}

} // namespace mdlGrayScale
