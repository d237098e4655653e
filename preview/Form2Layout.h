#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the preview window's controls go. Positions are kept in twips, as the window
// was designed, and placed at 15 twips a pixel.
namespace Form2Layout {

constexpr int TwipsPerPixel = 15;
constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }

constexpr QSize ClientSize{Pixels(11145), Pixels(9705)};
constexpr QRect CloseButton{Pixels(9780), Pixels(9165), Pixels(1215), Pixels(375)};
// The choice of page whose fold shows, in the row of the Close button at the other end.
constexpr QRect FoldLabel{12, CloseButton.top(), 40, CloseButton.height()};
constexpr QRect FoldChoice{54, CloseButton.top(), 200, CloseButton.height()};

// The browser starts 2 pixels outside the client area on the left, top and right, so
// that its own border is hidden, and ends 12 pixels above the Close button.
constexpr QRect BrowserGeometry(QSize client, int closeButtonTop)
{
    return QRect(-2, -2, client.width() + 4, closeButtonTop - 10);
}

// What is left of a screen's free area inside a window manager's frame, at most.
constexpr QSize RoomInside(QSize available)
{
    constexpr int frameSides = 2 * 8;
    constexpr int frameTopAndBottom = 40;
    return {available.width() - frameSides, available.height() - frameTopAndBottom};
}

// Whether the window, frame included, fits the free area of a screen at its designed size.
constexpr bool FitsAsDesigned(QSize available)
{
    const QSize room = RoomInside(available);
    return ClientSize.width() <= room.width() && ClientSize.height() <= room.height();
}

// Top-left corner that centres a window of the given size on its owner's area, kept
// inside the screen so that its title bar can still be reached.
QPoint CentredPosition(const QRect& owner, QSize size, const QRect& screen);

} // namespace Form2Layout
