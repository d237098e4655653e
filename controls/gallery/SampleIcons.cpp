#include "SampleIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {
void PaintPage(QPainter& painter, int size)
{
    const double s = size / 16.0;
    QPainterPath page;
    page.moveTo(2.5 * s, 0.5 * s);
    page.lineTo(10.5 * s, 0.5 * s);
    page.lineTo(13.5 * s, 3.5 * s);
    page.lineTo(13.5 * s, 15.5 * s);
    page.lineTo(2.5 * s, 15.5 * s);
    page.closeSubpath();
    painter.setPen(QPen(QColor(60, 70, 90), s));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(page);
    painter.fillRect(QRectF(4 * s, 6 * s, 8 * s, 2 * s), QColor(40, 120, 220));
    painter.fillRect(QRectF(4 * s, 10 * s, 8 * s, 1 * s), QColor(230, 140, 30));
    painter.fillRect(QRectF(4 * s, 12 * s, 6 * s, 1 * s), QColor(70, 160, 70));
    painter.setBrush(QColor(200, 205, 215));
    painter.drawPolygon(QPolygonF({QPointF(10.5 * s, 0.5 * s), QPointF(10.5 * s, 3.5 * s), QPointF(13.5 * s, 3.5 * s)}));
}
} // namespace

QImage SamplePageIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintPage(painter, size);
    return image;
}

QImage SamplePageBitmap(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(255, 240, 200));
    QPainter painter(&image);
    PaintPage(painter, size);
    return image;
}
