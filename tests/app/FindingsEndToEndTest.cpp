// The findings where the author writes, in the built program under a window manager: a web
// address typed into a one-line box and a review request into a multi-line box are marked at
// their words on screen; the list opens from the length line by click and by keyboard, a row
// and F8 lead to the words; a rule turned off in the settings window leaves the box, the file
// and a later --check.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "WindowManager.h"
#include "Xdotool.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The marks' blue, not the selection's lighter one.
int bluePixels(const QRect& area)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += qRed(shot.pixel(x, y)) < 30 && std::abs(qGreen(shot.pixel(x, y)) - 90) < 25 &&
                             std::abs(qBlue(shot.pixel(x, y)) - 200) < 25
                         ? 1
                         : 0;
    return count;
}

// quorvane --check on the file: its output, and whether it called the file clean.
std::pair<QString, int> check(const QString& file, const QProcessEnvironment& environment)
{
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {"--check", file});
    run.waitForFinished(30000);
    return {QString::fromUtf8(run.readAllStandardOutput()), run.exitCode()};
}
} // namespace

TEST(FindingsEndToEnd, MarkedListedReachedAndTurnedOff)
{
    WindowManager windowManager;
    ASSERT_TRUE(windowManager.isUp());
    runProgram("xset", {"r", "off"});
    TempFolder temp;
    QDir(temp.path()).mkpath("config");
    const QString file = temp.write("Findings.qvn", "[[[QVN FILE]]]Findings\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    const QProcessEnvironment environment = EditorEnvironment(temp.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {file});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QStringList shown = windowsShown("^Quorvane$", program.processId());
    ASSERT_EQ(shown.size(), 1);
    const QString window = shown.front();
    QTest::qWait(500);
    // The window's own area on the screen, inside the frame the window manager put round it.
    QRect place;
    for (const QString& line : runProgram("xwininfo", {"-id", window}).split('\n')) {
        if (line.contains("Absolute upper-left X:"))
            place.moveLeft(line.section(':', 1).trimmed().toInt());
        if (line.contains("Absolute upper-left Y:"))
            place.moveTop(line.section(':', 1).trimmed().toInt());
    }
    // The headline (one line) and the opening remarks (several), as the spelling test finds them.
    const QRect headline(place.x() + 27, place.y() + 124, 922, 26);
    const QRect remarks(place.x() + 27, place.y() + 220, 922, 91);
    EXPECT_EQ(bluePixels(headline) + bluePixels(remarks), 0);

    clickAt(window, 400, 136);
    xdotool({"type", "--delay", "15", "See www.example.com today"});
    clickAt(window, 400, 250);
    xdotool({"type", "--delay", "15", "Please leave a review on Amazon."});
    for (int tries = 0; tries < 50 && (bluePixels(headline) == 0 || bluePixels(remarks) == 0); ++tries)
        QTest::qWait(100);
    EXPECT_GT(bluePixels(headline), 20) << "no mark under the web address";
    EXPECT_GT(bluePixels(remarks), 20) << "no mark under the review request";
    // Under the words, not under the whole line: the headline's first word has none.
    EXPECT_EQ(bluePixels(QRect(headline.topLeft(), QSize(20, headline.height()))), 0);
    keys("ctrl+s", 300);
    const auto [before, dirty] = check(file, environment);
    EXPECT_NE(dirty, 0);
    EXPECT_TRUE(before.contains("www.example.com") && before.contains("review")) << before.toStdString();

    // The list from the length line, by click; Esc closes it.
    clickAt(window, 120, 739);
    EXPECT_EQ(windowsShown("^Findings$", program.processId(), 10000).size(), 1) << "no list after a click";
    keys("Escape", 300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return windowsNamed("^Findings$", program.processId()).isEmpty(); }, 5000));

    // By keyboard: Tab from the last box past the title to the length line, Enter. The first row
    // is the web address; Enter there selects it in the headline, and typing replaces it.
    clickAt(window, 400, 711);
    keys("Tab Tab Return", 300);
    EXPECT_EQ(windowsShown("^Findings$", program.processId(), 10000).size(), 1) << "no list after Enter";
    keys("Return", 300);
    xdotool({"type", "--delay", "15", "our garden"});
    keys("ctrl+s", 300);
    EXPECT_EQ(QString::fromLatin1(TempFolder::read(file).split('\n').value(1)).trimmed(), "See our garden today");

    // F8 from there: the next finding, in the other box, its words selected.
    keys("F8 ctrl+c", 300);
    const QString selected = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(selected.contains("review") && !selected.contains("Amazon.")) << selected.toStdString();

    // The rule off in the settings window (its fourth check box): the mark goes at once, and
    // --check no longer reports the sentence.
    keys("ctrl+comma", 300);
    ASSERT_EQ(windowsShown("^Settings$", program.processId(), 10000).size(), 1);
    keys("Tab Tab Tab space Escape", 300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bluePixels(remarks) == 0; }, 5000)) << "the mark stayed";
    EXPECT_TRUE(TempFolder::read(temp.path() + "/config/Quorvane/Quorvane.conf").contains("CheckReviewRequests=0"));
    const auto [after, clean] = check(file, environment);
    EXPECT_EQ(clean, 0) << after.toStdString();
    EXPECT_FALSE(after.contains("review")) << after.toStdString();

    EXPECT_TRUE(closedWithTheCloseButton(program, window));
}
