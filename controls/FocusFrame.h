#pragma once

#include <QRect>

class QWidget;

// Paints the style's focus frame over the area of a widget that Tab has brought the focus
// to, as the other controls show theirs; called from the widget's paint event when it has
// the focus.
void PaintFocusFrame(QWidget* widget, const QRect& area);
