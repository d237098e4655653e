#pragma once

#include <QString>

// The Open and Save dialogs of the document commands, on Document().SharedFileDialog,
// owned by the main window (the handle its DescriptionView reports). Both start in
// CurrentFolder when there is one.

// The chosen full path; empty when the user cancels.
QString ShowOpenDialog(const QString& filter);

// The chosen full path; empty when the user cancels or anything in the dialog fails.
// Proposes initialFileName and leaves the dialog's flags as the shared object holds them.
QString ShowSaveDialog(const QString& filter, const QString& defaultExtension, const QString& initialFileName);
