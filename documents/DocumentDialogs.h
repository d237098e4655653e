#pragma once

class QWidget;

// Gives the document commands their real windows: the Open and Save dialogs become Qt's
// file dialog, and New shows the wizard frmNew modally, owned by mainWindow. The main
// window calls this once while it loads. It does not create Document().SharedFileDialog
// (the main window's load does) and the dialogs' owner is the window whose handle
// Document().Boxes->ownerWindowHandle() reports (the main window's winId()).
void InstallDocumentDialogs(QWidget* mainWindow);
