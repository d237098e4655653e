#pragma once

#include "ButtonTypes.h"

#include <QFont>
#include <QImage>

// The button's drawing surface: a retained image of the button's size with its background
// colour, font and text colour, and the pixel primitives the faces are built from. Lines
// leave out their end point; fills and ellipses leave out their right column and bottom row.
// Writes outside the image are clipped. Text and images are drawn with QPainter on Image().
class PixelSurface {
public:
    PixelSurface();
    PixelSurface(int width, int height);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    // A new size keeps nothing of the old picture; the surface is cleared.
    void Resize(int width, int height);

    OleColor BackColor() const { return m_backColor; }
    void SetBackColor(OleColor colour) { m_backColor = colour; }
    OleColor TextColor() const { return m_textColor; }
    void SetTextColor(OleColor colour) { m_textColor = colour; }
    const QFont& Font() const { return m_font; }
    void SetFont(const QFont& font) { m_font = font; }

    // Fills the whole surface with the background colour.
    void Clear();

    void SetPixel(int x, int y, OleColor colour);
    // The plain colour of a pixel; black outside the surface.
    OleColor Pixel(int x, int y) const;
    // From (x1, y1) toward (x2, y2), the end point not drawn.
    void Line(int x1, int y1, int x2, int y2, OleColor colour);
    // Both corners included.
    void RectOutline(int x1, int y1, int x2, int y2, OleColor colour);
    // Columns left to right − 1, rows top to bottom − 1.
    void FillRect(int left, int top, int right, int bottom, OleColor colour);
    // The ellipse inscribed in the box, without its right column and bottom row.
    void FillEllipse(int left, int top, int right, int bottom, OleColor colour);

    // The pixels of row y for painters that work a row at a time, or null outside the surface.
    // Valid until the image is resized or painted on by other means.
    QRgb* Row(int y);

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    void Plot(int x, int y, QRgb rgb);
    void HorizontalRun(int y, int x1, int x2, QRgb rgb); // x1 to x2 inclusive

    QImage m_image;
    OleColor m_backColor = 0xFFFFFF;
    OleColor m_textColor = 0;
    QFont m_font;
};

// Is the pixel (x, y) inside the ellipse inscribed in the box (left, top)–(right, bottom),
// right column and bottom row excluded? Shared by the ellipse fill and the rounded-rectangle test.
bool IsInsideEllipseBox(int x, int y, int left, int top, int right, int bottom);

// The run of pixels x1..x2 (inclusive) that the ellipse of the box fills in row y; false when
// the row has none. The run is symmetric about the box's centre and may lie outside the surface.
bool EllipseRowRun(int y, int left, int top, int right, int bottom, int& x1, int& x2);

// Is (x, y) inside the rounded rectangle (left, top)–(right, bottom) whose corners are
// quarters of an ellipse cornerWidth by cornerHeight? Right column and bottom row excluded.
bool IsInsideRoundRect(int x, int y, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
