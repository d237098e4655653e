#pragma once

class QRect;
class QScreen;
class QWidget;

// Keeps windows inside the free area of the screen they open on (both programs use it).

// Shrinks and moves the window, frame included, into that area. A window not placed yet goes
// over the middle of its owner (or of the screen) first. Any window of the program may call
// it before it shows; KeepWindowsOnScreen calls it for every window that has an owner.
void FitWindowOnScreen(QWidget* window);

// The free area of the screen that a window, frame included, is fitted into. Where the
// screen scales the program, a pixel less on each side: sizes round to whole pixels of the
// program's, and a frame one screen pixel wide counts for none of them.
QRect FittingArea(const QScreen* screen);

// From now on every window, dialog and message box of the program is fitted as it is
// shown, and once more when its frame turns out larger than expected.
void KeepWindowsOnScreen();
