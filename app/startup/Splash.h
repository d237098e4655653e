#pragma once

class QWidget;

// Shows the splash window, modeless and owned by owner, while the main window loads.
// Returns it, or nothing when there is no splash to show.
QWidget* ShowSplash(QWidget* owner);
