#include "DottedFrame.h"

#include <QPainter>

DottedFrame::DottedFrame(QWidget* parent, const QColor& colour)
    : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DottedFrame::paintEvent(QPaintEvent*)
{
    // Every other pixel, like a dotted pen one pixel wide.
    QPainter painter(this);
    const int right = width() - 1, bottom = height() - 1;
    for (int x = 0; x <= right; x += 2) {
        painter.fillRect(x, 0, 1, 1, m_colour);
        painter.fillRect(x, bottom, 1, 1, m_colour);
    }
    for (int y = 0; y <= bottom; y += 2) {
        painter.fillRect(0, y, 1, 1, m_colour);
        painter.fillRect(right, y, 1, 1, m_colour);
    }
}
