#pragma once

#include "FileDialogRecord.h"

#include <QStringList>

// The program's Open and Save dialogs: Qt's own file dialog, filled from the record and
// writing the choice back into it. The Save dialog asks about overwriting only when the
// record asks for it; the program puts its own question otherwise.
class QtFileDialogBackend : public FileDialogBackend {
public:
    int show(FileDialogKind kind, FileDialogRecord& record) override;

    // The record's NUL-separated description/pattern pairs as Qt name filters:
    // "Quorvane Files (*.qvn)" and "*.qvn" give "Quorvane Files (*.qvn) (*.qvn)", whose
    // last parenthesis the dialog hides again. A lone description at the end is dropped.
    static QStringList NameFilters(const QString& recordFilter);

    // The one-based index of the filter the dialog reports as selected (shown or full form).
    static qint32 SelectedFilterIndex(const QStringList& nameFilters, const QString& selected);

    // The folder a dialog opens in: the folder of an absolute start name, else the
    // start folder, else (none given, or gone) the user's documents or home folder.
    static QString StartFolder(const QString& initialDir, const QString& startName);
};
