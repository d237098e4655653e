#include "TopBar.h"

#include "MainWindowLayout.h"

#include <QPainter>

namespace L = MainWindowLayout;

TopBar::TopBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setGeometry(PixelRect(L::TopBar));
}

void TopBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), L::White);
    painter.fillRect(PixelRect(L::TitleBand), L::TitleGrey);
    painter.setPen(L::LightGrey);
    for (const TwipLine& line : L::SeparatorLines)
        painter.drawLine(PixelPoint(line.x1, line.y1), PixelPoint(line.x2, line.y2));
}
