#include "PixelSurface.h"

#include "ColorMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// Pixels are pixels: the surface measures text at the screen's 96 dots per inch whatever
// the image defaults to.
constexpr int kDotsPerMeter = 3780;

QImage MakeImage(int width, int height)
{
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    return image;
}
} // namespace

PixelSurface::PixelSurface() : PixelSurface(0, 0) {}

PixelSurface::PixelSurface(int width, int height) : m_image(MakeImage(width, height))
{
    m_font = QFont(QStringLiteral("Tahoma"));
    m_font.setPointSizeF(9);
    Clear();
}

void PixelSurface::Resize(int width, int height)
{
    m_image = MakeImage(width, height);
    Clear();
}

void PixelSurface::Clear()
{
    if (!m_image.isNull())
        m_image.fill(ToQRgb(m_backColor));
}

void PixelSurface::Plot(int x, int y, QRgb rgb)
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = rgb;
}

void PixelSurface::HorizontalRun(int y, int x1, int x2, QRgb rgb)
{
    if (y < 0 || y >= m_image.height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, m_image.width() - 1);
    if (x1 > x2)
        return;
    QRgb* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    std::fill(row + x1, row + x2 + 1, rgb);
}

void PixelSurface::SetPixel(int x, int y, OleColor colour)
{
    Plot(x, y, ToQRgb(colour));
}

OleColor PixelSurface::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return 0;
    const QRgb rgb = reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x];
    return RgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void PixelSurface::Line(int x1, int y1, int x2, int y2, OleColor colour)
{
    const QRgb rgb = ToQRgb(colour);
    if (y1 == y2) {
        if (x1 < x2)
            HorizontalRun(y1, x1, x2 - 1, rgb);
        else if (x1 > x2)
            HorizontalRun(y1, x2 + 1, x1, rgb);
        return;
    }
    // Bresenham from the start point; the loop stops before plotting the end point.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        Plot(x, y, rgb);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void PixelSurface::RectOutline(int x1, int y1, int x2, int y2, OleColor colour)
{
    const QRgb rgb = ToQRgb(colour);
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    HorizontalRun(top, left, right, rgb);
    HorizontalRun(bottom, left, right, rgb);
    for (int y = top + 1; y < bottom; ++y) {
        Plot(left, y, rgb);
        Plot(right, y, rgb);
    }
}

void PixelSurface::FillRect(int left, int top, int right, int bottom, OleColor colour)
{
    const QRgb rgb = ToQRgb(colour);
    for (int y = top; y < bottom; ++y)
        HorizontalRun(y, left, right - 1, rgb);
}

void PixelSurface::FillEllipse(int left, int top, int right, int bottom, OleColor colour)
{
    const QRgb rgb = ToQRgb(colour);
    const int firstRow = std::max(top, 0);
    const int lastRow = std::min(bottom, m_image.height()) - 1;
    for (int y = firstRow; y <= lastRow; ++y) {
        int x1 = 0;
        int x2 = 0;
        if (EllipseRowRun(y, left, top, right, bottom, x1, x2))
            HorizontalRun(y, x1, x2, rgb);
    }
}

QRgb* PixelSurface::Row(int y)
{
    if (y < 0 || y >= m_image.height())
        return nullptr;
    return reinterpret_cast<QRgb*>(m_image.scanLine(y));
}

bool EllipseRowRun(int y, int left, int top, int right, int bottom, int& x1, int& x2)
{
    if (y < top || y >= bottom || right <= left)
        return false;
    // Boxes can be far wider than the surface, so start from the computed end of the run and
    // let the exact test settle the last pixel rather than walking in from the box's edge.
    const double a = (right - left) / 2.0;
    const double b = (bottom - top) / 2.0;
    const double v = (y + 0.5 - (top + b)) / b;
    const double reach = a * std::sqrt(std::max(0.0, 1.0 - v * v));
    x1 = std::max(left, static_cast<int>(std::floor(left + a - reach - 0.5)) - 1);
    while (x1 > left && IsInsideEllipseBox(x1 - 1, y, left, top, right, bottom))
        --x1;
    while (x1 <= left + right - 1 - x1 && !IsInsideEllipseBox(x1, y, left, top, right, bottom))
        ++x1;
    x2 = left + right - 1 - x1;
    return x1 <= x2;
}

bool IsInsideEllipseBox(int x, int y, int left, int top, int right, int bottom)
{
    if (x < left || y < top || x >= right || y >= bottom)
        return false;
    // The ellipse touches the box's inner edges; a pixel belongs when its centre lies inside.
    const double a = (right - left) / 2.0;
    const double b = (bottom - top) / 2.0;
    const double u = (x + 0.5 - (left + a)) / a;
    const double v = (y + 0.5 - (top + b)) / b;
    return u * u + v * v <= 1.0;
}

bool IsInsideRoundRect(int x, int y, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    if (x < left || y < top || x >= right || y >= bottom)
        return false;
    const int ew = std::min(std::abs(cornerWidth), right - left);
    const int eh = std::min(std::abs(cornerHeight), bottom - top);
    if (ew < 2 || eh < 2)
        return true;
    // Outside the four corner boxes the rectangle is solid; inside one, its ellipse decides.
    const double px = x + 0.5;
    const double py = y + 0.5;
    const bool leftSide = px < left + ew / 2.0;
    const bool rightSide = px > right - ew / 2.0;
    const bool topSide = py < top + eh / 2.0;
    const bool bottomSide = py > bottom - eh / 2.0;
    if (!(leftSide || rightSide) || !(topSide || bottomSide))
        return true;
    const int boxLeft = leftSide ? left : right - ew;
    const int boxTop = topSide ? top : bottom - eh;
    return IsInsideEllipseBox(x, y, boxLeft, boxTop, boxLeft + ew, boxTop + eh);
}
