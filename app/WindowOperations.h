#pragma once

#include <QString>

class QIcon;
class QWidget;

// Window operations that several windows use.

// Keeps the window above all normal windows (or puts it back among them), at its
// current position and size, and shows it without making it the active window.
void SetWindowTopmost(QWidget* window, bool topmost);

// Gives the window the icon group of that name from the program's resources (every size
// in it). With forApplication the application gets it first, for the task bar.
void ApplyResourceIcon(QWidget* window, const QString& iconName, bool forApplication);

// The icon group of that name, every size in it (empty when there is none).
QIcon ResourceIcon(const QString& iconName);
