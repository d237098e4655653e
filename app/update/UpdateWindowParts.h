#pragma once

#include "Twips.h"

#include <QFont>

class QLabel;
class QWidget;

// Pieces the two update windows share.
namespace UpdateWindowParts {
inline constexpr double PointSize = 9.75;

QFont SegoeUI();
// The program icon, 32 by 32 pixels, with its top left corner at (left, top) twips.
QLabel* ProgramIcon(QWidget* parent, int left, int top);
// A window without a close box, minimise or maximise buttons, of a fixed client size.
void MakeFixedDialog(QWidget* window, int widthTwips, int heightTwips);
} // namespace UpdateWindowParts
