#include "ShapeGeometry.h"

#include "ButtonTypes.h"
#include "ColorMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

std::optional<int> CornerRadiusFor(int style, int width, int height)
{
    switch (style) {
    case StyleCapsuleGloss:
    case StyleCapsuleShine:
    case StyleBubble:
        return Clamp(height / 2 + 1, 1, width / 2);
    case StyleRoundedGloss:
        return 12;
    case StyleCrescent:
        return Clamp(height / 3, 1, width / 3);
    case StyleCentreGlow:
        return Clamp(height / 4 + 1, 1, width / 4);
    default:
        return std::nullopt;
    }
}

bool IsInsideCorner(int a, int b, int r)
{
    const int span = r * r - a * a;
    if (span < 0)
        return false;
    return std::abs(b - r) < RoundHalfEven(std::sqrt(static_cast<double>(span)));
}

bool IsInsideShape(int x, int y, int left, int top, int width, int height, int r)
{
    const int dx = x - left;
    const int dy = y - top;
    // The rules overlap on narrow or low boxes; the first that applies decides.
    if (r < dx && dx + r < width && r < dy && dy + r < height)
        return true;
    if (dx < r && dy <= r)
        return IsInsideCorner(dx - r, dy, r);
    if (dx + r > width && dy <= r)
        return IsInsideCorner(dx - width + r, dy, r);
    if (dy + r >= height && dx < r)
        return IsInsideCorner(dx - r, dy - height + 2 * r, r);
    if (dx + r > width && dy + r >= height)
        return IsInsideCorner(dx - width + r, dy - height + 2 * r, r);
    return 0 < dx && dx < width && 0 < dy && dy < height;
}

ShapeRegion BuildShapeRegion(int left, int top, int width, int height, int radius)
{
    const int r = std::max(radius, 1);
    ShapeRegion region(left + width, top + height);
    for (int y = 0; y < region.Height(); ++y)
        for (int x = 0; x < region.Width(); ++x)
            if (IsInsideShape(x, y, left, top, width, height, r))
                region.Set(x, y, true);
    return region;
}
