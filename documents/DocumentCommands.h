#pragma once

// The four document commands of the main window and the start dialog. They take no
// arguments and return nothing: callers read the outcome from Document()
// (DocumentDirty false after a save; CurrentFileName or CurrentBookTitle after Open or New).
void NewDescription();
void OpenDescription();
void SaveDescription();
void SaveDescriptionAs();
