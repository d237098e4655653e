#pragma once

class QWidget;

// The end of the main window's load: the file named on the command line, or else the
// start dialog. False when the user chose neither a new nor a loaded description.
bool OpenStartupDocument(QWidget* mainWindow);
