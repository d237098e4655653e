#include "UpdateWindowParts.h"

#include "WindowOperations.h"

#include <QIcon>
#include <QLabel>

namespace UpdateWindowParts {
QFont SegoeUI()
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSizeF(PointSize);
    return font;
}

QLabel* ProgramIcon(QWidget* parent, int left, int top)
{
    constexpr int Size = 32;
    auto* icon = new QLabel(parent);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(ResourceIcon(QStringLiteral("AAA")).pixmap(Size, Size));
    icon->setGeometry(PixelsFromTwips(left), PixelsFromTwips(top), Size, Size);
    return icon;
}

void MakeFixedDialog(QWidget* window, int widthTwips, int heightTwips)
{
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setFixedSize(PixelsFromTwips(widthTwips), PixelsFromTwips(heightTwips));
}
} // namespace UpdateWindowParts
