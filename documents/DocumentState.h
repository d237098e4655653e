#pragma once

#include <QString>

#include <functional>
#include <memory>

class DescriptionView;
class cFileDialog;

// The application-wide state of the open document. One instance: Document().
struct DocumentState {
    QString CurrentFileName;   // file name without folder; empty: no file yet
    QString CurrentFolder;     // folder of the last file opened or saved, no trailing separator
    QString CurrentBookTitle;  // title as last loaded or entered in the wizard
    bool DocumentDirty = false;
    QString CommandLineFile;   // file named on the command line, until the main window has used it
    QString DescriptionFileFilter;
    QString DescriptionFileExtension;
    // The one Open/Save dialog object of the program; the main window creates it on load
    // and releases it on unload. Both dialog procedures use it.
    std::shared_ptr<cFileDialog> SharedFileDialog;

    DescriptionView* Boxes = nullptr;  // the main window's nine boxes, once it exists
    // Told after the description was saved, loaded, or replaced by a new one.
    std::function<void()> StoredOrReplaced;
    // Told after the description was written to its file.
    std::function<void()> Saved;

    // The open document's path: folder, separator, file name.
    QString currentPath() const;
};

DocumentState& Document();

// Calls Document().StoredOrReplaced, when there is one.
void NotifyStoredOrReplaced();

// Back to the state of a fresh start (for tests).
void ResetDocumentState();
