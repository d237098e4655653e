#include "StartupTail.h"

#include "DescriptionFile.h"
#include "DocumentState.h"
#include "RecoveryOffer.h"
#include "PerfMark.h"
#include "frmOnLoad.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <QWindow>

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
        PerfMark::mark("file_loaded");
        document.CommandLineFile.clear();
    }
    if (document.CurrentFileName.isEmpty()) {
        // On a first start the system places the main window a moment after it was shown; the
        // start dialog centres on it only once it is there, not over where it was before.
        WaitUntilPlaced(mainWindow);
        frmOnLoad startDialog(mainWindow);
        startDialog.exec();
        // The start dialog and the wizard are gone: the keyboard belongs to the editor again,
        // whatever the window manager falls back to as they close.
        mainWindow->activateWindow();
    }
    return !document.CurrentBookTitle.isEmpty() || !document.CurrentFileName.isEmpty();
}

void WaitUntilPlaced(QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    const QDeadlineTimer deadline(2000);
    while (handle && window->isVisible() && !handle->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}
