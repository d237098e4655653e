#include "StartProgram.h"

#include "CommandLine.h"
#include "DesignFonts.h"
#include "DisplayCheck.h"
#include "DocumentState.h"
#include "MessageBoxDialog.h"
#include "PerfMark.h"
#include "ScreenFit.h"
#include "WindowOperations.h"
#include "frmMain.h"

#include <QApplication>

#include <memory>

int StartProgram(int argc, char* argv[], const QStringList& fileArguments)
{
    // No common controls to initialise on this platform.
    auto displayCheck = std::make_unique<DisplayCheck>();
    QApplication app(argc, argv);
    displayCheck.reset();
    PerfMark::mark("application_ready");
    SubstituteDesignFonts();
    QApplication::setWindowIcon(ResourceIcon(QStringLiteral("AAA")));
    InstallMessageBoxDialogs();
    KeepWindowsOnScreen();

    Document().CommandLineFile = CommandLineFileFromText(CommandLineText(QApplication::arguments().mid(0, 1) + fileArguments));

    frmMain window(true);
    // The load ends with the main window gone when the user chose no document.
    if (!window.Load())
        return 0;
    return QApplication::exec();
}
