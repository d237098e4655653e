#include "StartupTail.h"

#include "DescriptionFile.h"
#include "DocumentState.h"
#include "RecoveryOffer.h"
#include "frmOnLoad.h"

bool OpenStartupDocument(QWidget* mainWindow)
{
    DocumentState& document = Document();
    // Changes an ended editor left unsaved come first; taking them is choosing a document.
    if (OfferRecoveryCopies()) {
        document.CommandLineFile.clear();
        return true;
    }
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
