#pragma once

#include <QPixmap>
#include <QSize>

// The picture behind the About and splash windows, drawn for the given size: warm paper
// with the edges of a few pages fanning out on the right.
QPixmap AboutBackground(const QSize& size);
