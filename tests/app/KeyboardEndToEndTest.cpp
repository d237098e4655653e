// The user's whole job with the keyboard alone: the built program on a real X server under a
// window manager, first start, driven by key events from outside (xdotool).
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "WindowManager.h"
#include "Xdotool.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QString run(const QString& program, const QStringList& arguments) { return runProgram(program, arguments); }
QStringList windowIds(const QString& title) { return windowsNamed(title); }

// The titles of the windows on screen, sorted, as "Preview | Quorvane".
std::string openWindows()
{
    QStringList titles;
    for (const QString& id : windowIds(QStringLiteral(".")))
        titles << windowName(id).trimmed();
    titles.sort();
    return titles.join(" | ").toStdString();
}

// Keys as a person presses them, one after the other, to whichever window has the focus.
void keys(const QString& names)
{
    xdotool(QStringList{"key", "--delay", "80"} + names.split(' '));
    QTest::qWait(250);
}
void type(const QString& text)
{
    xdotool({"type", "--delay", "20", text});
}

constexpr int TopBarHeight = 101;
} // namespace

class KeyboardEndToEnd : public ::testing::Test {
protected:
    // One window manager for the whole X server, started once.
    static void SetUpTestSuite()
    {
        windowManager = new WindowManager;
        ASSERT_TRUE(windowManager->isUp());
        // Held keys are the button's unit tests' concern: a busy machine must not turn one
        // press into two.
        run("xset", {"r", "off"});
    }
    static void TearDownTestSuite()
    {
        delete windowManager;
    }

    void SetUp() override
    {
        QDir(temp.path()).mkpath("config");
        QProcessEnvironment environment = EditorEnvironment(temp.path());
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.setWorkingDirectory(temp.path());
    }
    void TearDown() override
    {
        program.kill();
        program.waitForFinished(5000);
    }

    // Exactly these windows come up, and a moment later none has come back or gone.
    void expectWindows(QStringList titles, const char* step)
    {
        titles.sort();
        const std::string expected = titles.join(" | ").toStdString();
        if (QTest::qWaitFor([&] { return openWindows() == expected; }, 30000))
            QTest::qWait(800);
        EXPECT_EQ(openWindows(), expected) << step;
        EXPECT_EQ(program.state(), QProcess::Running) << step;
    }

    static inline WindowManager* windowManager = nullptr;
    TempFolder temp;
    QProcess program;
};

TEST_F(KeyboardEndToEnd, TheWholeJobWithKeysOnly)
{
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", QStringList());

    // First start: the start dialog over the middle of the main window, clear of its top bar.
    expectWindows({"Quorvane", "Quorvane"}, "start dialog");
    QRect main, start;
    for (const QString& id : windowIds("^Quorvane$"))
        (frameOf(id).width() > 900 ? main : start) = frameOf(id);
    ASSERT_FALSE(main.isNull());
    EXPECT_LE((start.center() - main.center()).manhattanLength(), 24) << "start dialog not centred on the editor";
    EXPECT_GT(start.top(), main.top() + TopBarHeight);

    // The wizard, from the start dialog's first button; the title typed, both options ticked.
    keys("Return");
    expectWindows({"Quorvane", "Quorvane", "Start New Description"}, "wizard");
    type("  Garden Basics ");
    keys("alt+u alt+p Return");
    expectWindows({"Quorvane"}, "wizard confirmed");

    // Every box, from the headline down; each gets a word at its end.
    const QStringList words = {" Now", "Grow more", "Read on.", " today", "Less work", "Enjoy.", " Tonight.", " Soon."};
    for (int box = 0; box < words.size(); ++box) {
        keys(box == 0 || box == 1 || box == 3 ? "End" : "ctrl+End");
        type(words[box]);
        if (box == 4) {
            keys("Return");
            type("More food");
        }
        if (box + 1 < words.size())
            keys("Tab");
    }
    expectWindows({"Quorvane"}, "typed");

    // Back to the headline, then back past it into the top bar: Close, About, Help, the two
    // previews, the two copies.
    keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab");
    keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab");
    keys("Return");
    expectWindows({"Quorvane", "Quorvane"}, "Kindle copy message");
    EXPECT_TRUE(run("xclip", {"-o", "-selection", "clipboard"}).contains("Garden Basics Now"));
    keys("Return");
    expectWindows({"Quorvane"}, "Kindle copy message dismissed with Enter");
    keys("Tab space");
    expectWindows({"Quorvane", "Quorvane"}, "CreateSpace copy message, by Space");
    EXPECT_TRUE(run("xclip", {"-o", "-selection", "clipboard"}).contains("be reading Garden Basics. Soon."));
    keys("Return");
    expectWindows({"Quorvane"}, "CreateSpace copy message dismissed with Enter");

    keys("Tab Return");
    expectWindows({"Preview", "Quorvane"}, "Kindle preview");
    keys("Return");
    expectWindows({"Quorvane"}, "Kindle preview closed with Enter");
    keys("Tab Return");
    expectWindows({"Preview", "Quorvane"}, "CreateSpace preview");
    keys("Escape");
    expectWindows({"Quorvane"}, "CreateSpace preview closed with Esc");

    // Save As by its keys; the name typed and Enter: saved, and nothing else happens.
    keys("ctrl+shift+s");
    expectWindows({"Quorvane", "Save File"}, "Save As dialog");
    type(temp.file("Garden Basics"));
    keys("Return");
    expectWindows({"Quorvane"}, "saved");
    const QString saved = temp.file("Garden Basics.qvn");
    EXPECT_TRUE(QFile::exists(saved));

    // One more word in the headline (Help, About, Close, then the headline), then Close: the
    // save question, cancelled with Esc, then answered Yes with its letter.
    keys("Tab Tab Tab Tab End");
    type("!");
    keys("shift+Tab Return");
    expectWindows({"Quorvane", "Quorvane"}, "save question");
    keys("Escape");
    expectWindows({"Quorvane"}, "close cancelled");
    keys("Return");
    expectWindows({"Quorvane", "Quorvane"}, "save question again");
    keys("y");
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 15000)) << openWindows();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    const QString kindle = "Take action now. Scroll up and click the 'buy' button at the top of this page and you "
                           "can read Garden Basics on your Kindle device, computer, tablet or smartphone. Tonight.";
    const QString print = "Take action now. Scroll up and click the 'buy' button at the top of this page and  you "
                          "will soon be reading Garden Basics. Soon.";
    EXPECT_EQ(TempFolder::read(saved).toStdString(),
              "[[[QVN FILE]]]Garden Basics\r\nGarden Basics Now!\r\nGrow more\r\nRead on.\r\n"
              "In Garden Basics you will learn: today\r\nLess work<BR>More food\r\nEnjoy.\r\n" +
                  (kindle + "\r\n" + print + "\r\n").toStdString());
}

// Twice the font size makes the main window larger than this 1600 by 1200 screen; the
// windows the program places are kept inside it all the same.
TEST_F(KeyboardEndToEnd, AtTwiceTheFontSizeTheWindowsFitTheScreen)
{
    QProcessEnvironment environment = program.processEnvironment();
    environment.insert("QT_FONT_DPI", "192");
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane",
                  {temp.write("Book.qvn", "[[[QVN FILE]]]Book\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n")});
    expectWindows({"Quorvane"}, "main window");
    const QRect screen(0, 0, 1600, 1200);

    keys("ctrl+shift+s");
    expectWindows({"Quorvane", "Save File"}, "Save As dialog");
    const QRect dialog = frameOf(windowIds("^Save File$").value(0));
    EXPECT_TRUE(screen.contains(dialog)) << dialog.x() << ',' << dialog.y() << ' ' << dialog.width() << 'x'
                                         << dialog.height();
    keys("Escape");
    expectWindows({"Quorvane"}, "Save As cancelled");

    keys("F1");
    expectWindows({"Quorvane", "Working on your book description - Quorvane Help"}, "help");
    const QRect help = frameOf(windowIds("Quorvane Help$").value(0));
    EXPECT_TRUE(screen.contains(help)) << help.x() << ',' << help.y() << ' ' << help.width() << 'x' << help.height();
    keys("Escape");
    expectWindows({"Quorvane"}, "help closed");

    // The main window fits too; Tab scrolls its length line into view, under the last box.
    const QString mainId = windowIds("^Quorvane$").value(0);
    const QRect main = frameOf(mainId);
    EXPECT_TRUE(screen.contains(main)) << main.x() << ',' << main.y() << ' ' << main.width() << 'x' << main.height();
    const auto lengthLineShows = [&] {
        // Above the bottom scroll bar and left of the side one, where the last box ends.
        const QRect client = windowGeometry(mainId);
        const QImage shot = QGuiApplication::primaryScreen()
                                ->grabWindow(0, client.x(), client.bottom() - 120, client.width() - 40, 90)
                                .toImage();
        int dark = 0;  // the line's grey text; the frames and captions are lighter
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qRed(shot.pixel(x, y)) < 150 && qGreen(shot.pixel(x, y)) < 150;
        return dark > 200;
    };
    EXPECT_FALSE(lengthLineShows()) << "the window shows its top first";
    keys("Tab Tab Tab Tab Tab Tab Tab Tab Tab");
    EXPECT_TRUE(QTest::qWaitFor(lengthLineShows, 5000)) << "length line not scrolled into view";

    // The preview fits as well, and closes with Enter.
    keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab");
    keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return");
    expectWindows({"Preview", "Quorvane"}, "Kindle preview");
    const QRect preview = frameOf(windowIds("^Preview$").value(0));
    EXPECT_TRUE(screen.contains(preview)) << preview.x() << ',' << preview.y() << ' ' << preview.width() << 'x'
                                          << preview.height();
    keys("Return");
    expectWindows({"Quorvane"}, "preview closed");

    // Close, at the far right of the top bar, by the keyboard: the program ends.
    keys("Tab Tab Tab Tab Return");
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 15000)) << openWindows();
    EXPECT_EQ(program.exitCode(), 0);
}

// A headline at the longest a line edit shows, then one key past it and back: every key
// lands where it would in a line edit, Enter adds nothing, and the file gets the text whole.
TEST_F(KeyboardEndToEnd, AHeadlinePastTheLongestLineTakesKeysAsALineEdit)
{
    const QByteArray headline = QByteArray("Grow roses in any garden ").repeated(164).left(4096);
    const QString file = temp.write("Roses.qvn", "[[[QVN FILE]]]Roses\r\n" + headline + "\r\nSub" + QByteArray("\r\n").repeated(7));
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {file});
    expectWindows({"Quorvane"}, "main window");

    // Past the limit and in pieces; Home and End reach the ends of the whole line.
    keys("End");
    type("z");
    keys("Return shift+Return");
    type("ab");
    keys("Home");
    type("Q");
    // Back to the limit, and a key at the start keeps it there.
    keys("End BackSpace BackSpace BackSpace BackSpace Home Delete");
    type("y");
    keys("Tab End");
    type("X");
    keys("ctrl+s");
    QTest::qWait(1000);
    EXPECT_EQ(TempFolder::read(file).toStdString(),
              ("[[[QVN FILE]]]Roses\r\ny" + headline.left(4095) + "\r\nSubX" + QByteArray("\r\n").repeated(7)).toStdString());
}

// A long headline deleted whole and brought back with Ctrl+Z: the file gets every character.
TEST_F(KeyboardEndToEnd, ALongHeadlineDeletedAndUndoneIsSavedWhole)
{
    const QByteArray headline = QByteArray("Grow roses in any garden ").repeated(200);
    const QByteArray rest = "\r\nSub" + QByteArray("\r\n").repeated(7);
    const QString file = temp.write("Roses.qvn", "[[[QVN FILE]]]Roses\r\n" + headline + rest);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {file});
    expectWindows({"Quorvane"}, "main window");

    keys("ctrl+a Delete ctrl+s");
    QTest::qWait(1000);
    EXPECT_EQ(TempFolder::read(file).toStdString(), ("[[[QVN FILE]]]Roses\r\n" + rest).toStdString());
    keys("ctrl+z ctrl+s");
    QTest::qWait(1000);
    EXPECT_EQ(TempFolder::read(file).toStdString(), ("[[[QVN FILE]]]Roses\r\n" + headline + rest).toStdString());
}
