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

namespace {
std::optional<int> WithinSpan(std::optional<int> start, int extent, int spanStart, int spanExtent)
{
    if (!start || *start < spanStart || *start > spanStart + spanExtent - extent)
        return std::nullopt;
    return start;
}
} // namespace

std::optional<QPoint> RestoredWindowPosition(std::optional<int> left, std::optional<int> top, QSize frame,
                                             const QList<QRect>& screens, const QRect& freeArea)
{
    if (screens.isEmpty() || (!left && !top))
        return std::nullopt;
    if (left && top)
        for (const QRect& screen : screens)
            if (screen.contains(QRect(QPoint(*left, *top), frame)))
                return QPoint(*left, *top);
    const QRect& primary = screens.front();
    const std::optional<int> x = WithinSpan(left, frame.width(), primary.x(), primary.width());
    const std::optional<int> y = WithinSpan(top, frame.height(), primary.y(), primary.height());
    // Centred as the system would: in the free area, but never above or left of it.
    const int centredX = freeArea.x() + std::max(0, (freeArea.width() - frame.width()) / 2);
    const int centredY = freeArea.y() + std::max(0, (freeArea.height() - frame.height()) / 2);
    return QPoint(x.value_or(centredX), y.value_or(centredY));
}
