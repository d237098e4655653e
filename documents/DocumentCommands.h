#pragma once

// The four document commands of the main window and the start dialog. They take no
// arguments and return nothing: callers read the outcome from Document()
// (DocumentDirty false after a save; CurrentFileName or CurrentBookTitle after Open or New).
// Open also takes an HTML description (.html, .htm), which opens unnamed and changed.
void NewDescription();
void OpenDescription();
void SaveDescription();
void SaveDescriptionAs();
