#include "DottedFrame.h"

#include <QList>
#include <QPainter>
#include <QRect>

DottedFrame::DottedFrame(QWidget* parent, const QColor& colour)
    : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DottedFrame::paintEvent(QPaintEvent*)
{
    // Every other pixel, like a dotted pen one pixel wide; one call for all the dots, since
    // a fill per dot made these frames a good part of the window's first paint.
    const int right = width() - 1, bottom = height() - 1;
    QList<QRect> dots;
    dots.reserve(right + bottom + 4);
    for (int x = 0; x <= right; x += 2)
        dots << QRect(x, 0, 1, 1) << QRect(x, bottom, 1, 1);
    for (int y = 0; y <= bottom; y += 2)
        dots << QRect(0, y, 1, 1) << QRect(right, y, 1, 1);
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colour);
    painter.drawRects(dots);
}
