#pragma once

#include "Description.h"

#include <QString>

#include <optional>

// Moving the open description between a .qvn file and the main window's boxes
// (Document().Boxes). Both report failures in message boxes; the caller reads the
// outcome from the document state (DocumentDirty false after success).

// Writes the open description; ".qvn" is appended to path when it lacks it, and
// path then holds the name actually written.
void WriteDescriptionFile(QString& path);

// Replaces the open description with the file's content.
void LoadDescriptionFile(const QString& path);

// Reads the file as LoadDescriptionFile does, with the same messages, but leaves the
// open document and the settings alone: the description when the file is recognised
// (a file that ends early gives empty sections), nothing otherwise.
std::optional<Description> ReadDescriptionFile(const QString& path);

// Makes path the current file: CurrentFolder and CurrentFileName, stored as
// "CurrentDir" and "RecentFile".
void RememberRecentFile(const QString& path);
