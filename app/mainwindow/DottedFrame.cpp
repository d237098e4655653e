#include "DottedFrame.h"

#include <QBrush>
#include <QImage>
#include <QPainter>

namespace {
// A dot and a gap, across or down: laid from the widget's corner, the pattern puts a dot on
// every other pixel of an edge, and on every other block of pixels on a screen that scales.
QBrush Dots(const QColor& colour, bool across)
{
    QImage pattern(across ? 2 : 1, across ? 1 : 2, QImage::Format_ARGB32_Premultiplied);
    pattern.fill(Qt::transparent);
    pattern.setPixelColor(0, 0, colour);
    return QBrush(pattern);
}
} // namespace

DottedFrame::DottedFrame(QWidget* parent, const QColor& colour)
    : QWidget(parent), m_across(Dots(colour, true)), m_down(Dots(colour, false))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DottedFrame::paintEvent(QPaintEvent*)
{
    // Like a dotted pen one pixel wide; a fill per dot made these frames a good part of the
    // window's first paint, a patterned fill per edge costs next to nothing.
    QPainter painter(this);
    const int right = width() - 1, bottom = height() - 1;
    painter.fillRect(0, 0, width(), 1, m_across);
    painter.fillRect(0, bottom, width(), 1, m_across);
    // A patterned fill of more than about a hundred rows is handed to helper threads,
    // started for it: a few short fills cost far less than that.
    constexpr int Rows = 32;
    for (int top = 0; top < height(); top += Rows) {
        painter.fillRect(0, top, 1, qMin(Rows, height() - top), m_down);
        painter.fillRect(right, top, 1, qMin(Rows, height() - top), m_down);
    }
}
