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

#include <functional>

#include <gtest/gtest.h>

namespace {
QString run(const QString& program, const QStringList& arguments) { return runProgram(program, arguments); }
QStringList windowIds(const QString& title) { return windowsNamed(title); }

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

namespace {
// Pixels of the program's window on screen, its client area (where xwininfo has it).
QImage shot(const QString& window)
{
    QRect client;
    for (const QString& line : runProgram("xwininfo", {"-id", window}).split(u'\n')) {
        const int value = line.section(u':', 1).trimmed().toInt();
        if (line.contains("Absolute upper-left X"))
            client.moveLeft(value);
        else if (line.contains("Absolute upper-left Y"))
            client.moveTop(value);
        else if (line.trimmed().startsWith("Width:"))
            client.setWidth(value);
        else if (line.trimmed().startsWith("Height:"))
            client.setHeight(value);
    }
    return QGuiApplication::primaryScreen()->grabWindow(0, client.x(), client.y(), client.width(), client.height()).toImage();
}
int count(const QImage& image, QRect area, const std::function<bool(QRgb)>& matches)
{
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += matches(image.pixel(x, y));
    return n;
}
bool dark(QRgb p) { return qRed(p) < 150 && qGreen(p) < 150; }
} // namespace

// Twice the font size makes the main window larger than this 1600 by 1200 screen; the
// windows the program places are kept inside it all the same.
TEST_F(KeyboardEndToEnd, AtTwiceTheFontSizeTheWindowsFitTheScreen)
{
    QProcessEnvironment environment = program.processEnvironment();
    environment.insert("QT_FONT_DPI", "192");
    program.setProcessEnvironment(environment);
    const QByteArray headline = QByteArray("Grow roses in any garden ").repeated(6) + "at last";
    const QByteArray cta = QByteArray("Take action now and read on. ").repeated(8);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane",
                  {temp.write("Book.qvn", "[[[QVN FILE]]]Book\r\n" + headline + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n" + cta + "\r\n")});
    expectWindows({"Quorvane"}, "main window");
    const QRect screen(0, 0, 1600, 1200);
    const QString mainId = windowIds("^Quorvane$").value(0);

    // The main window and its frame on the screen.
    const QRect main = frameOf(mainId);
    EXPECT_TRUE(screen.contains(main)) << main.x() << ',' << main.y() << ' ' << main.width() << 'x' << main.height();

    // The headline's end in view: its orange ink stops short of the window's right edge,
    // where the box ends inside the window, and reaches well across it.
    keys("End");
    QImage image = shot(mainId);
    int inkRight = -1;
    for (int y = 0; y < image.height() / 2; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == QColor(255, 128, 0))
                inkRight = std::max(inkRight, x);
    EXPECT_GT(inkRight, image.width() * 2 / 3) << "no end of the headline in view";
    EXPECT_LT(inkRight, image.width() - 60) << "the headline runs past the window's edge";
    // Every frame round a box ends inside the window: its dotted right edge shows, near the edge.
    int edge = 0;
    for (int x = image.width() - 90; x < image.width() - 20; ++x)
        edge = std::max(edge, count(image, QRect(x, 0, 1, image.height()), [](QRgb p) { return QColor(p) == QColor(192, 192, 192); }));
    EXPECT_GT(edge, 100) << "no right edge of the section frames in the window";

    // Focus in the last box, at its end: the top bar (the title's grey band) and the length
    // line still show, and no sideways scroll bar lies along the bottom.
    keys("Tab Tab Tab Tab Tab Tab Tab ctrl+End");
    image = shot(mainId);
    int bandRows = 0;
    for (int y = 0; y < 400; ++y)
        bandRows += count(image, QRect(0, y, image.width(), 1), [](QRgb p) { return QColor(p) == QColor(224, 224, 224); }) > image.width() * 4 / 5;
    EXPECT_GT(bandRows, 40) << "the top bar scrolled away";
    EXPECT_GT(count(image, QRect(0, image.height() - 44, image.width() - 40, 44), dark), 200) << "no length line";
    for (int y = image.height() - 24; y < image.height(); ++y)
        EXPECT_LT(count(image, QRect(0, y, image.width(), 1), [](QRgb p) { return QColor(p) != QColor(Qt::white); }), image.width() / 2)
            << "a scroll bar along the bottom, row " << y;

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

    // The preview fits as well, and closes with Enter: from the last box back to the headline,
    // then into the top bar (Close, About, Help, the CreateSpace and Kindle previews).
    keys("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab");
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

// Ten starts, each closed where it opened: the window opens each time where the last start
// left it, its frame where the frame was.
TEST_F(KeyboardEndToEnd, TheWindowComesBackWhereItWasLeft)
{
    QDir(temp.path()).mkpath("config/Quorvane");
    temp.write("config/Quorvane/Quorvane.conf", "[General]\nWindowLeft=3000\nWindowTop=3840\n");
    const QString book = temp.write("Book.qvn", "[[[QVN FILE]]]Book\r\n" + QByteArray("\r\n").repeated(8));
    QPoint expected(200, 256);
    for (int start = 0; start < 10; ++start) {
        SCOPED_TRACE(start);
        program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {book});
        expectWindows({"Quorvane"}, "main window");
        const QString id = windowIds("^Quorvane$").value(0);
        QTest::qWait(300);
        const QRect frame = frameOf(id);
        EXPECT_LE((frame.topLeft() - expected).manhattanLength(), 1) << frame.x() << ',' << frame.y();
        ASSERT_TRUE(closedWithTheCloseButton(program, id));
        const QString settings = QString::fromUtf8(TempFolder::read(temp.file("config/Quorvane/Quorvane.conf")));
        const auto stored = [&](const char* key) {
            return settings.section(QLatin1String(key) + u'=', 1).section(u'\n', 0, 0).toInt() / 15;
        };
        EXPECT_LE((QPoint(stored("WindowLeft"), stored("WindowTop")) - frame.topLeft()).manhattanLength(), 1);
        expected = frame.topLeft();
    }
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
