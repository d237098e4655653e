#pragma once

#include <QRect>
#include <QSize>

// Where a window goes so that all of it, frame included, lies inside the free area of
// its screen: narrowed or shortened to the area where it is larger (never below its
// smallest size), then moved in no further than it takes. A window that cannot shrink
// enough keeps its top left corner, and so its title bar, inside the area.
QRect FitWindowToArea(const QRect& frame, QSize minimumFrame, const QRect& area);
