// Bringing a description in: the built program on a real X server under a window manager
// opens an HTML page from its start dialog, takes formatted text pasted from the clipboard
// (HTML only, as a word processor or a web page offers it) and saves the result.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "WindowManager.h"
#include "Xdotool.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {
bool windowsAre(QStringList titles)
{
    titles.sort();
    const std::string expected = titles.join(" | ").toStdString();
    const bool shown = QTest::qWaitFor([&] { return openWindows() == expected; }, 30000);
    QTest::qWait(600);
    return shown && openWindows() == expected;
}
} // namespace

TEST(ImportEndToEnd, AnHtmlPageOpensAndFormattedTextPastesAsTheStoresTags)
{
    WindowManager windowManager;
    ASSERT_TRUE(windowManager.isUp());
    runProgram("xset", {"r", "off"});
    TempFolder temp;
    QDir(temp.path()).mkpath("config");
    const QString page = temp.write("store page.html",
                                    "<html><head><title>Garden Basics</title></head><body>\n"
                                    "<h2>Grow More With Less</h2>\n<p><b>A beginner's guide</b></p>\n"
                                    "<p>Gardening is <span class=\"x\">easy</span>.</p>\n<p><b>You will learn:</b></p>\n"
                                    "<ul><li>Soil</li><li>Seeds</li></ul>\n<p>Happy growing.</p>\n"
                                    "<p>Scroll up and click Buy Now.</p></body></html>\n");
    QProcess program;
    program.setProcessEnvironment(EditorEnvironment(temp.path()));
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.setWorkingDirectory(temp.path());
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", QStringList());

    // The start dialog's Open, the page by its name, and the message naming what was dropped.
    ASSERT_TRUE(windowsAre({"Quorvane", "Quorvane"})) << openWindows();
    keys("Tab Return");
    ASSERT_TRUE(windowsAre({"Quorvane", "Quorvane", "Open File"})) << openWindows();
    type(page);
    keys("Return");
    ASSERT_TRUE(windowsAre({"Quorvane", "Quorvane", "Quorvane"})) << "dropped-markup message: " << openWindows();
    keys("Return");
    ASSERT_TRUE(windowsAre({"Quorvane"})) << openWindows();

    // Only HTML on the clipboard: a list with bold, and italics by a style.
    TempFolder clip;
    runProgram("xclip", {"-selection", "clipboard", "-t", "text/html", "-i",
                         clip.write("clip.html", "<meta charset=\"utf-8\"><ul><li><b>Raised</b> beds</li>"
                                                 "<li>Less <span style=\"font-style:italic\">weeding</span></li></ul>")});
    // Into the headline, a one-line box; then the main benefits, one benefit a line; then the
    // closing remarks as plain text.
    keys("End space ctrl+v");
    keys("Tab Tab Tab Tab ctrl+End Return ctrl+v");
    keys("Tab ctrl+End Return ctrl+shift+v");

    // Unnamed: Save asks where.
    keys("ctrl+s");
    ASSERT_TRUE(windowsAre({"Quorvane", "Save File"})) << openWindows();
    type(temp.file("Garden Basics"));
    keys("Return");
    ASSERT_TRUE(windowsAre({"Quorvane"})) << openWindows();
    EXPECT_EQ(TempFolder::read(temp.file("Garden Basics.qvn")).toStdString(),
              "[[[QVN FILE]]]Garden Basics\r\nGrow More With Less <b>Raised</b> beds Less <i>weeding</i>\r\n"
              "A beginner's guide\r\nGardening is easy.\r\nYou will learn:\r\n"
              "Soil<BR>Seeds<BR><b>Raised</b> beds<BR>Less <i>weeding</i>\r\n"
              "Happy growing.<BR>Raised beds<BR>Less weeding\r\nScroll up and click Buy Now.\r\n\r\n");
    program.kill();
    program.waitForFinished(5000);
}
