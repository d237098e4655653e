#pragma once

#include "MessageBox.h"

// The program's message boxes on screen: a modal dialog over the active window with the
// caption, text, icon and buttons asked for. The only place that shows a QMessageBox.
MsgAnswer ShowMessageBoxDialog(const MessageRequest& request);

// Makes ShowMessage use ShowMessageBoxDialog.
void InstallMessageBoxDialogs();
