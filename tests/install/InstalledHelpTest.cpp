// The installed editor, started from its installed folder, opens its help book from the
// data folder of the installation (it is not beside the program there).
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QByteArray Book = "[[[QVN FILE]]]Help Book\r\nA headline\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

// The main window, not the splash screen that shares its title.
QString mainWindow()
{
    for (const QString& window : windowsNamed("^Quorvane$"))
        if (isMainWindow(window))
            return window;
    return {};
}
} // namespace

TEST(InstalledEditor, F1OpensTheInstalledHelpBook)
{
    const QString bin = qEnvironmentVariable("QUORVANE_BIN_DIR");
    ASSERT_FALSE(QFileInfo::exists(bin + "/qvn.qch")) << "the help book should not be beside the program";
    ASSERT_TRUE(QFileInfo::exists(bin + "/../share/quorvane/qvn.qch"));

    TempFolder temp;
    QDir(temp.path()).mkpath("config");
    QDir(temp.path()).mkpath("data");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", temp.file("config"));
    environment.insert("XDG_DATA_HOME", temp.file("data"));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(bin + "/quorvane", {temp.write("Help Book.qvn", Book)});

    QString main;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(main = mainWindow()).isEmpty(); }, 60000))
        << "the main window did not appear";
    QTest::qWait(500);
    pressKeys(main, {"F1"});
    // The help window is titled after the page it shows; a missing book shows a page without one.
    QStringList help;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(help = windowsNamed("Quorvane Help$")).isEmpty(); }, 60000))
        << "no help window";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return windowName(help.first()) == "Working on your book description - Quorvane Help"; },
        30000))
        << qPrintable(windowName(help.first()));

    program.kill();
    program.waitForFinished(10000);
}
