#pragma once

#include <QPoint>
#include <QRect>

// The windows are laid out in twips; on screen a pixel is 15 twips (96 dots per inch).
inline constexpr int TwipsPerPixel = 15;

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct TwipLine {
    int x1;
    int y1;
    int x2;
    int y2;
};

constexpr int PixelsFromTwips(int twips)
{
    // Round half away from zero, as a whole pixel.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int TwipsFromPixels(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect PixelRect(const TwipRect& r)
{
    return {PixelsFromTwips(r.left), PixelsFromTwips(r.top), PixelsFromTwips(r.width), PixelsFromTwips(r.height)};
}

inline QPoint PixelPoint(int xTwips, int yTwips)
{
    return {PixelsFromTwips(xTwips), PixelsFromTwips(yTwips)};
}
