#include "StartProgram.h"

#include <QApplication>
#include <QWidget>

// Placeholder until the main window lands.
int StartProgram(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quorvane"));
    window.show();
    return app.exec();
}
