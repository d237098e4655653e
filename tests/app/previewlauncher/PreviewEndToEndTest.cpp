// The built editor and its preview helper on a real X server, looked at and clicked
// from outside as a user, a window manager and a task bar would (xdotool, xprop).
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Section 6 reaches only the Kindle page, section 7 only the CreateSpace page: each
// carries a block of its own colour.
const QByteArray Book = "[[[QVN FILE]]]Colour Book\r\nColour Book\r\n\r\nOpening <i>words</i>\r\n\r\n\r\n\r\n"
                        "<div style=\"background:#ff0000; width:300px; height:120px\"></div>\r\n"
                        "<div style=\"background:#00ff00; width:300px; height:120px\"></div>\r\n";
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);

// Centres of the controls in the main window (their places in twips / 15).
const QPoint PreviewKindle(593, 15);
const QPoint PreviewCreateSpace(593, 47);
const QPoint HeadlineBox(50, 136);

QString run(const QString& program, const QStringList& arguments) { return runProgram(program, arguments); }

QStringList childrenOf(qint64 pid)
{
    return QString::fromLatin1(TempFolder::read(QStringLiteral("/proc/%1/task/%1/children").arg(pid)))
        .split(' ', Qt::SkipEmptyParts);
}

QList<WId> windowsTitled(const QString& title)
{
    QList<WId> found;
    for (const QString& id : windowsNamed(wholeTitle(title)))
        found << id.toULongLong();
    return found;
}

// Place on the screen and size of the window's own area.
QRect geometry(WId window) { return windowGeometry(QString::number(window)); }
void clickAt(WId window, QPoint at) { ::clickAt(QString::number(window), at.x(), at.y()); }

int pixelsOfColour(WId window, QRgb colour)
{
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

class PreviewEndToEnd : public ::testing::Test {
protected:
    void TearDown() override
    {
        program.kill();
        program.waitForFinished(5000);
    }

    // Clicks a preview button; checks the page on screen shows one colour and not the
    // other, then closes the preview with the key.
    void preview(WId main, QPoint button, QRgb shown, QRgb absent, const char* key)
    {
        clickAt(main, button);
        QList<WId> previews;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !(previews = windowsTitled("Preview")).isEmpty(); }, 30000));
        ASSERT_EQ(previews.size(), 1);
        const WId window = previews.first();
        // It belongs to the editor's window: above it, out of the task bar, centred on it.
        const QString properties = run("xprop", {"-id", QString::number(window), "WM_TRANSIENT_FOR", "_NET_WM_STATE",
                                                 "_NET_WM_WINDOW_TYPE"});
        EXPECT_TRUE(properties.contains(QStringLiteral("window id # 0x%1\n").arg(main, 0, 16))) << qPrintable(properties);
        for (const char* atom : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_MODAL", "_NET_WM_WINDOW_TYPE_DIALOG"})
            EXPECT_TRUE(properties.contains(atom)) << atom;
        EXPECT_EQ(geometry(window).size(), QSize(743, 647));
        EXPECT_LE((geometry(window).center() - geometry(main).center()).manhattanLength(), 2);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pixelsOfColour(window, shown) > 1000; }, 15000));
        EXPECT_EQ(pixelsOfColour(window, absent), 0);

        // The editor takes no clicks or typing meanwhile, even with the keyboard's focus.
        clickAt(main, HeadlineBox);
        typeText(QString::number(main), "typed", 20);

        const QString helper = xdotool({"getwindowpid", QString::number(window)}).value(0);
        pressKeys(QString::number(window), {key});
        EXPECT_TRUE(QTest::qWaitFor([&] { return windowsTitled("Preview").isEmpty(); }, 10000));
        // The editor takes input again once its helper has ended. (Another may warm up
        // meanwhile for the next preview, the pointer being on the button still.)
        ASSERT_FALSE(helper.isEmpty());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists("/proc/" + helper); }, 10000));
    }

    // The editor's main window once it is up (not the splash screen); 0 when it never came.
    static WId mainWindow()
    {
        WId main = 0;
        QTest::qWaitFor(
            [&] {
                for (WId window : windowsTitled("Quorvane"))
                    if (isMainWindow(QString::number(window)))
                        main = window;
                return main != 0;
            },
            30000);
        QTest::qWait(500);
        return main;
    }

    TempFolder temp;
    QProcess program;
};
} // namespace

TEST_F(PreviewEndToEnd, BothPreviewButtonsShowTheirPageAndTheEditorWaits)
{
    QDir(temp.path()).mkpath("config");
    QProcessEnvironment environment = EditorEnvironment(temp.path());
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString book = temp.write("Colour Book.qvn", Book);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {book});

    const WId main = mainWindow();
    ASSERT_NE(main, 0u);
    preview(main, PreviewKindle, Red, Green, "Escape");
    // The other page, in a fresh window that shows only its own colour; this time the
    // pointer rests on the button first, so a warm helper shows it.
    xdotool({"mousemove", "--window", QString::number(main), QString::number(PreviewCreateSpace.x()),
             QString::number(PreviewCreateSpace.y())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !childrenOf(program.processId()).isEmpty(); }, 10000))
        << "resting on the button warmed no helper";
    QTest::qWait(1000);
    preview(main, PreviewCreateSpace, Green, Red, "Return");

    // Close ends the program at once, as the document is as loaded.
    EXPECT_TRUE(closedWithTheCloseButton(program, QString::number(main)))
        << "the editor took input while the preview was open";
    EXPECT_EQ(TempFolder::read(book), Book);
}

// The helper warmed by the pointer ends once the pointer has gone, and with its editor.
TEST_F(PreviewEndToEnd, WarmHelperEndsWhenNotWantedAndWithItsEditor)
{
    QDir(temp.path()).mkpath("config");
    QProcessEnvironment environment = EditorEnvironment(temp.path());
    // Marks everything the editor starts, down to the engine's own processes.
    const QString tag = "QUORVANE_E2E_TAG=" + temp.path();
    environment.insert("QUORVANE_E2E_TAG", temp.path());
    const auto tagged = [&] {
        int found = 0;
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
            if (pid.toLongLong() > 0)
                found += TempFolder::read("/proc/" + pid + "/environ").split('\0').contains(tag.toUtf8());
        return found;
    };
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + "/quorvane", {temp.write("Colour Book.qvn", Book)});
    const WId main = mainWindow();
    ASSERT_NE(main, 0u);
    const auto moveTo = [&](QPoint at) {
        xdotool({"mousemove", "--window", QString::number(main), QString::number(at.x()), QString::number(at.y())});
    };

    // Nothing runs beside the editor until the pointer comes.
    EXPECT_TRUE(childrenOf(program.processId()).isEmpty());
    moveTo(PreviewKindle);
    QStringList helpers;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(helpers = childrenOf(program.processId())).isEmpty(); }, 10000));
    EXPECT_EQ(helpers.size(), 1);
    // From one preview button to the other: the same helper.
    moveTo(PreviewCreateSpace);
    QTest::qWait(1000);
    EXPECT_EQ(childrenOf(program.processId()), helpers);
    // Away from both: it ends by itself, and its engine with it.
    moveTo(HeadlineBox);
    EXPECT_TRUE(QTest::qWaitFor([&] { return childrenOf(program.processId()).isEmpty(); }, 30000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tagged() == 1; }, 30000)) << "only the editor should be left";

    // Warm again, then the editor dies: the helper follows.
    moveTo(PreviewKindle);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !childrenOf(program.processId()).isEmpty(); }, 10000));
    QTest::qWait(1500);
    program.kill();
    program.waitForFinished(5000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tagged() == 0; }, 30000)) << "the helper outlived its editor";
}

TEST(EditorLinks, EditorHasNoWebEngineAndItsHelperHasIt)
{
    const QString bin = qEnvironmentVariable("QUORVANE_BIN_DIR");
    const QString editor = run("ldd", {bin + "/quorvane"});
    ASSERT_TRUE(editor.contains("libQt6Widgets")) << qPrintable(editor);
    EXPECT_FALSE(editor.contains("WebEngine", Qt::CaseInsensitive)) << qPrintable(editor);
    EXPECT_FALSE(editor.contains("libQt6Quick")) << qPrintable(editor);
    EXPECT_TRUE(run("ldd", {bin + "/quorvane-preview"}).contains("libQt6WebEngineCore"));
}
