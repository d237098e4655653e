#pragma once

class frmMain;

// The keys of every desktop editor for the four document commands: Ctrl+N, Ctrl+O,
// Ctrl+S and Ctrl+Shift+S run New, Open, Save and Save As as their buttons do,
// wherever the focus is in the main window.
void AddDocumentShortcuts(frmMain* window);
