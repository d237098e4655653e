#include "AboutBackground.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap AboutBackground(const QSize& size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(250, 242, 228));
    painter.fillRect(picture.rect(), paper);

    // Pages fanning out from the bottom right corner, each a thin curved sheet.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const qreal spread = 0.10 * i;
        QPainterPath page;
        page.moveTo(w, h);
        page.quadTo(w * (0.92 - spread * 0.6), h * (0.55 - spread * 0.5), w * (0.70 - spread * 0.4), h * (0.20 - spread * 0.2));
        page.lineTo(w * (0.76 - spread * 0.4), h * (0.18 - spread * 0.2));
        page.quadTo(w * (0.96 - spread * 0.5), h * (0.55 - spread * 0.5), w, h * 0.92);
        page.closeSubpath();
        painter.setBrush(QColor(255, 128, 0, 14 + 4 * i));
        painter.drawPath(page);
    }

    // A band down the left edge, like the spine of a book.
    QLinearGradient spine(0, 0, 14, 0);
    spine.setColorAt(0.0, QColor(228, 121, 17));
    spine.setColorAt(1.0, QColor(255, 170, 80));
    painter.fillRect(QRectF(0, 0, 10, h), spine);
    painter.fillRect(QRectF(10, 0, 1, h), QColor(192, 192, 192));
    return picture;
}
