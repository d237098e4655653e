#pragma once

class QWidget;

// The end of the main window's load: changes an ended editor left unsaved, if the user
// takes them; else the file named on the command line, or else the start dialog. False
// when the user chose neither a new nor a loaded description.
bool OpenStartupDocument(QWidget* mainWindow);

// Handles the window's events until the system has placed and shown it, at most 2 s. A shown
// window paints as soon as it is exposed, so its first paint is on screen by then.
void WaitUntilPlaced(QWidget* window);
