#pragma once

#include <QString>

// Opens an HTML description (the store's field, a fragment this program made, a page or a
// word processor's file) as a new, unnamed description: Save asks where to keep it. What the
// import dropped is named in a message; a file that cannot be read leaves the open document
// as it was, with a message saying why.
void ImportDescriptionFile(const QString& path);

// The Open dialog's filter: the descriptions, then HTML.
QString OpenDialogFilter(const QString& descriptionFilter);
