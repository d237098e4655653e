#include "ShapeRegion.h"

#include <QList>
#include <QRect>

#include <algorithm>

ShapeRegion::ShapeRegion(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_inside(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0)
{
}

bool ShapeRegion::Contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return m_inside[static_cast<size_t>(y) * m_width + x] != 0;
}

void ShapeRegion::Set(int x, int y, bool inside)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_inside[static_cast<size_t>(y) * m_width + x] = inside ? 1 : 0;
}

int ShapeRegion::Count() const
{
    return static_cast<int>(std::count(m_inside.begin(), m_inside.end(), 1));
}

QRegion ShapeRegion::ToQRegion() const
{
    QList<QRect> runs;
    for (int y = 0; y < m_height; ++y) {
        int x = 0;
        while (x < m_width) {
            if (!Contains(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < m_width && Contains(x, y))
                ++x;
            runs.append(QRect(start, y, x - start, 1));
        }
    }
    QRegion region;
    region.setRects(runs.constData(), static_cast<int>(runs.size()));
    return region;
}
