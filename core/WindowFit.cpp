#include "WindowFit.h"

#include <algorithm>
#include <utility>

namespace {
// One axis: the extent and start that keep [start, start + extent) inside the area.
std::pair<int, int> FitSpan(int start, int extent, int minimum, int areaStart, int areaExtent)
{
    const int fitted = std::max(std::min(extent, areaExtent), std::min(minimum, extent));
    const int end = areaStart + areaExtent;
    return {std::max(areaStart, std::min(start, end - fitted)), fitted};
}
} // namespace

QRect FitWindowToArea(const QRect& frame, QSize minimumFrame, const QRect& area)
{
    if (area.isEmpty())
        return frame;
    const auto [x, width] = FitSpan(frame.x(), frame.width(), minimumFrame.width(), area.x(), area.width());
    const auto [y, height] = FitSpan(frame.y(), frame.height(), minimumFrame.height(), area.y(), area.height());
    return QRect(x, y, width, height);
}
