#include "StartupTail.h"

#include "DescriptionFile.h"
#include "DocumentState.h"
#include "frmOnLoad.h"

bool OpenStartupDocument(QWidget* mainWindow)
{
    DocumentState& document = Document();
    if (!document.CommandLineFile.isEmpty()) {
        LoadDescriptionFile(document.CommandLineFile);
        document.CommandLineFile.clear();
    }
    if (document.CurrentFileName.isEmpty()) {
        frmOnLoad startDialog(mainWindow);
        startDialog.exec();
    }
    return !document.CurrentBookTitle.isEmpty() || !document.CurrentFileName.isEmpty();
}
