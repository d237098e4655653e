#include "DibBuffer.h"

#include <cstdlib>

DibBuffer DibBuffer::Allocate(int width, int height, char fill)
{
    DibBuffer buffer;
    buffer.width = width;
    buffer.height = height;
    buffer.stride = StrideFor(width);
    buffer.bits = QByteArray(buffer.stride * height, fill);
    return buffer;
}

DibBuffer ReadBitmapBits(const QImage& image)
{
    DibBuffer buffer = DibBuffer::Allocate(image.width(), image.height());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.bits.data());
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            unsigned char* pixel = bytes + buffer.OffsetOf(x, y);
            pixel[0] = static_cast<unsigned char>(qBlue(row[x]));
            pixel[1] = static_cast<unsigned char>(qGreen(row[x]));
            pixel[2] = static_cast<unsigned char>(qRed(row[x]));
        }
    }
    return buffer;
}

bool CopyDibToSurface(PixelSurface& surface, const DibBuffer& buffer, int x, int y, int width, int height, RasterOp op)
{
    if (buffer.width <= 0 || buffer.height <= 0 || width == 0 || height == 0)
        return false;
    QImage& image = surface.Image();
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.bits.constData());
    const int columns = std::abs(width);
    const int rows = std::abs(height);
    for (int j = 0; j < rows; ++j) {
        const int ty = y + j;
        if (ty < 0 || ty >= image.height())
            continue;
        const int sy = j * buffer.height / rows;
        QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(ty));
        for (int i = 0; i < columns; ++i) {
            const int tx = x + i;
            if (tx < 0 || tx >= image.width())
                continue;
            const unsigned char* pixel = bytes + buffer.OffsetOf(i * buffer.width / columns, sy);
            const QRgb source = qRgb(pixel[2], pixel[1], pixel[0]);
            switch (op) {
            case RasterOp::Copy:
                target[tx] = source;
                break;
            case RasterOp::And:
                target[tx] = (target[tx] & source) | 0xFF000000u;
                break;
            case RasterOp::Or:
                target[tx] = target[tx] | source;
                break;
            }
        }
    }
    return true;
}
