// The built program on a real X server: started as a user starts it, driven from outside.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Starts the program in the file's folder with the arguments and the file name after them.
void opensStraightIntoTheMainWindow(const QString& fileName, const QStringList& before)
{
    TempFolder temp;
    QDir(temp.path()).mkpath(QStringLiteral("config"));
    temp.write(fileName, "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    QProcessEnvironment environment = EditorEnvironment(temp.path());
    QProcess program;  // killed on destruction, should a check stop the test early
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.setWorkingDirectory(temp.path());
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), before + QStringList{fileName});
    ASSERT_TRUE(program.waitForStarted(10000));

    // The program's visible windows called "Quorvane": the main window, and a moment later still only it.
    windowsShown(QStringLiteral("^Quorvane$"), program.processId());
    QTest::qWait(500);
    const QStringList windows = windowsNamed(QStringLiteral("^Quorvane$"), program.processId());
    ASSERT_EQ(windows.size(), 1) << "no main window, or a start dialog showed as well";
    EXPECT_TRUE(isMainWindow(windows.front()));

    // The Close button of the top bar ends the program, which remembers the file and its place.
    EXPECT_TRUE(closedWithTheCloseButton(program, windows.front()));
    QSettings stored(temp.file(QStringLiteral("config/Quorvane/Quorvane.conf")), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("RecentFile")).toString(), fileName);
    EXPECT_FALSE(stored.value(QStringLiteral("WindowLeft")).toString().isEmpty());
}
} // namespace

TEST(EndToEnd, AFileOnTheCommandLineOpensStraightIntoTheMainWindow)
{
    opensStraightIntoTheMainWindow(QStringLiteral("Garden Basics.qvn"), {});
}

TEST(EndToEnd, AFileWhoseNameBeginsWithADashOpensAfterTwoDashes)
{
    opensStraightIntoTheMainWindow(QStringLiteral("-Garden Basics.qvn"), {QStringLiteral("--")});
}
