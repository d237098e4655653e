#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// Where a window goes so that all of it, frame included, lies inside the free area of
// its screen: narrowed or shortened to the area where it is larger (never below its
// smallest size), then moved in no further than it takes. A window that cannot shrink
// enough keeps its top left corner, and so its title bar, inside the area.
QRect FitWindowToArea(const QRect& frame, QSize minimumFrame, const QRect& area);

// Where a window comes back to from its saved top left corner (either coordinate may be
// missing), all in one unit. Both coordinates stand where the frame, of the size given, then
// lies wholly on one of the screens. Otherwise each is checked on its own against the first
// screen (the primary) along its axis, from the screen's start up to its end minus the
// frame's extent; a coordinate refused there, or missing, is centred in that screen's free
// area (never above or left of it). Nothing when neither was saved: the system places it.
std::optional<QPoint> RestoredWindowPosition(std::optional<int> left, std::optional<int> top, QSize frame,
                                             const QList<QRect>& screens, const QRect& freeArea);
