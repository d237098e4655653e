#include "Form2Layout.h"

#include <algorithm>

namespace Form2Layout {

QPoint CentredPosition(const QRect& owner, QSize size, const QRect& screen)
{
    int x = owner.x() + (owner.width() - size.width()) / 2;
    int y = owner.y() + (owner.height() - size.height()) / 2;
    if (screen.isValid()) {
        x = std::max(screen.left(), std::min(x, screen.right() + 1 - size.width()));
        y = std::max(screen.top(), std::min(y, screen.bottom() + 1 - size.height()));
    }
    return QPoint(x, y);
}

} // namespace Form2Layout
