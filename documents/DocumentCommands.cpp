#include "DocumentCommands.h"

#include "DescriptionFile.h"
#include "DescriptionImport.h"
#include "Dialogs.h"
#include "DocumentState.h"
#include "HtmlImport.h"
#include "MessageBox.h"
#include "NewDescriptionWizard.h"

#include <QFileInfo>

namespace {
// A regular file, after following links. A location that cannot be read (a folder
// without permission, a vanished mount) counts as no file.
bool FileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}

// True when the command may go on and replace the document.
bool PromptToSaveChanges()
{
    if (!Document().DocumentDirty)
        return true;
    switch (ShowMessage(QStringLiteral("Do you want to save the changes to this document?"), MsgIcon::Exclamation,
                        MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        SaveDescription();
        return !Document().DocumentDirty;  // a failed or cancelled save ends the command
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}
} // namespace

void NewDescription()
{
    if (!PromptToSaveChanges())
        return;
    ShowNewDescriptionWizard();
}

void OpenDescription()
{
    if (!PromptToSaveChanges())
        return;
    const QString path = ShowOpenDialog(OpenDialogFilter(Document().DescriptionFileFilter));
    if (path.isEmpty())
        return;
    if (HtmlImport::isHtmlPath(path))
        ImportDescriptionFile(path);
    else
        LoadDescriptionFile(path);
}

void SaveDescription()
{
    const DocumentState& document = Document();
    QString path = document.currentPath();
    if (!document.CurrentFileName.isEmpty() && FileExists(path))
        WriteDescriptionFile(path);
    else
        SaveDescriptionAs();
}

void SaveDescriptionAs()
{
    const DocumentState& document = Document();
    QString path = ShowSaveDialog(document.DescriptionFileFilter, document.DescriptionFileExtension,
                                  document.CurrentFileName);
    if (path.isEmpty())
        return;
    // Asked about the name as chosen; the ".qvn" the writer may append gets no second question.
    if (FileExists(path)) {
        const QString question =
            QStringLiteral("The file '") + path + QStringLiteral("' already exists,\r\ndo you want to overwrite it?");
        if (ShowMessage(question, MsgIcon::Exclamation, MsgButtons::YesNo) != MsgAnswer::Yes)
            return;
    }
    WriteDescriptionFile(path);
}
