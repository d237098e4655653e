// The built program on a real X server: started as a user starts it, driven from outside.
#include "TempFolder.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QStringList xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

namespace {
// Starts the program in the file's folder with the arguments and the file name after them.
void opensStraightIntoTheMainWindow(const QString& fileName, const QStringList& before)
{
    TempFolder temp;
    QDir(temp.path()).mkpath(QStringLiteral("config"));
    temp.write(fileName, "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.file(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), temp.file(QStringLiteral("state")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;  // killed on destruction, should a check stop the test early
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.setWorkingDirectory(temp.path());
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), before + QStringList{fileName});
    ASSERT_TRUE(program.waitForStarted(10000));

    // The program's visible windows called "Quorvane": the main window, and a moment later still only it.
    const QStringList search = {"search", "--pid", QString::number(program.processId()), "--onlyvisible", "--name", "^Quorvane$"};
    for (int tries = 0; tries < 200 && xdotool(search).isEmpty(); ++tries)
        QTest::qWait(100);
    QTest::qWait(500);
    const QStringList shown = xdotool(search);
    ASSERT_EQ(shown.size(), 1) << "no main window, or a start dialog showed as well";
    EXPECT_TRUE(xdotool({"getwindowgeometry", shown.front()}).contains(QStringLiteral("  Geometry: 994x747")));

    // The Close button of the top bar ends the program, which remembers the file and its place.
    xdotool({"mousemove", "--window", shown.front(), "958", "32", "click", "1"});
    EXPECT_TRUE(program.waitForFinished(15000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
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
