#pragma once

#include <QImage>

// Pictures for the contact sheet, drawn here so the gallery needs no image files: a page with
// a folded corner and a coloured band, transparent around it (an icon), and the same page on
// an opaque square (a bitmap).
QImage SamplePageIcon(int size);
QImage SamplePageBitmap(int size);
