#include "StartProgram.h"

#include "CommandLine.h"
#include "DocumentState.h"
#include "MessageBoxDialog.h"
#include "WindowOperations.h"
#include "frmMain.h"

#include <QApplication>

int StartProgram(int argc, char* argv[])
{
    // No common controls to initialise on this platform.
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ResourceIcon(QStringLiteral("AAA")));
    InstallMessageBoxDialogs();

    Document().CommandLineFile = CommandLineFileFromText(CommandLineText(QApplication::arguments()));

    frmMain window;
    // The load ends with the main window gone when the user chose no document.
    if (!window.Load())
        return 0;
    return QApplication::exec();
}
