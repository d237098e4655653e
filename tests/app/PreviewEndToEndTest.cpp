// The built editor on a real X server, its preview buttons clicked from outside.
#include "TempFolder.h"
#include "X11Probe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Section 6 reaches only the Kindle page, section 7 only the CreateSpace page: each
// carries a block of its own colour.
const QByteArray Book = "[[[QVN FILE]]]Colour Book\r\n"
                        "Colour Book\r\n"
                        "\r\n"
                        "Opening <i>words</i>\r\n"
                        "\r\n"
                        "\r\n"
                        "\r\n"
                        "<div style=\"background:#ff0000; width:300px; height:120px\"></div>\r\n"
                        "<div style=\"background:#00ff00; width:300px; height:120px\"></div>\r\n";

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);

// Centres of the buttons in the main window (their places in twips / 15).
const QPoint PreviewKindle(593, 15);
const QPoint PreviewCreateSpace(593, 47);
const QPoint CloseButton(958, 32);
const QPoint HeadlineBox(50, 136);

// Sends the close request that a window's close box sends (Debian's python3-xlib).
const char* const CloseBox = R"(
import sys
from Xlib import X, display, protocol
d = display.Display()
w = d.create_resource_object('window', int(sys.argv[1]))
message = protocol.event.ClientMessage(window=w, client_type=d.intern_atom('WM_PROTOCOLS'),
    data=(32, [d.intern_atom('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0]))
w.send_event(message, event_mask=X.NoEventMask)
d.flush()
)";

void xdotool(const QStringList& arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

void clickAt(xcb_window_t window, QPoint at)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window), QString::number(at.x()),
             QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

class PreviewEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(temp.path()).mkpath(QStringLiteral("config"));
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        book = temp.write(QStringLiteral("Colour Book.qvn"), Book);
    }

    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }

    // Starts the editor on the book; its main window (not the splash), once it is up.
    xcb_window_t start()
    {
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {book});
        xcb_window_t main = 0;
        const bool up = QTest::qWaitFor(
            [&] {
                for (xcb_window_t window : x11.windowsTitled(QStringLiteral("Quorvane")))
                    if (x11.geometry(window).size() == QSize(994, 747))
                        main = window;
                return main != 0;
            },
            30000);
        QTest::qWait(500);
        return up ? main : 0;
    }

    QList<xcb_window_t> waitForWindows(const QString& title, int count, int timeoutMs = 30000)
    {
        QList<xcb_window_t> found;
        const bool enough = QTest::qWaitFor(
            [&] {
                found = x11.windowsTitled(title);
                return found.size() >= count;
            },
            timeoutMs);
        EXPECT_TRUE(enough) << "waiting for " << count << " windows " << qPrintable(title);
        return found;
    }

    int pixelsOfColour(xcb_window_t window, QRgb colour)
    {
        const QRect area = x11.geometry(window);
        const QImage image =
            QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        int count = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        return count;
    }

    // Clicks a preview button; checks that the page on screen shows one colour and not the
    // other, then closes the preview with the key, or with its close box.
    void preview(xcb_window_t main, QPoint button, QRgb shown, QRgb absent, const char* key)
    {
        clickAt(main, button);
        const QList<xcb_window_t> previews = waitForWindows(QStringLiteral("Preview"), 1);
        ASSERT_EQ(previews.size(), 1);
        const xcb_window_t window = previews.first();
        // It belongs to the editor's window: above it, out of the task bar, centred on it.
        EXPECT_EQ(x11.transientFor(window), main);
        EXPECT_TRUE(x11.states(window).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
        EXPECT_TRUE(x11.states(window).contains(QStringLiteral("_NET_WM_STATE_MODAL")));
        EXPECT_TRUE(x11.types(window).contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")));
        EXPECT_EQ(x11.geometry(window).size(), QSize(743, 647));
        EXPECT_LE((x11.geometry(window).center() - x11.geometry(main).center()).manhattanLength(), 2);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pixelsOfColour(window, shown) > 1000; }, 15000));
        EXPECT_EQ(pixelsOfColour(window, absent), 0);

        // The editor takes no clicks or typing meanwhile, even with the keyboard's focus.
        clickAt(main, HeadlineBox);
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(main)});
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("typed")});

        if (key) {
            xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
            xdotool({QStringLiteral("key"), QString::fromLatin1(key)});
        } else {
            QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"), QString::fromLatin1(CloseBox), QString::number(window)});
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return x11.windowsTitled(QStringLiteral("Preview")).isEmpty(); }, 10000));
        // The editor takes input again once its helper has ended.
        EXPECT_TRUE(QTest::qWaitFor([&] { return childProcesses().isEmpty(); }, 10000));
    }

    QByteArray childProcesses()
    {
        const QString pid = QString::number(program.processId());
        return TempFolder::read(QStringLiteral("/proc/%1/task/%1/children").arg(pid)).trimmed();
    }

    // The Close button ends the program at once when the document is as loaded.
    bool closesWithoutAsking(xcb_window_t main)
    {
        clickAt(main, CloseButton);
        return program.waitForFinished(15000) && program.exitStatus() == QProcess::NormalExit
               && program.exitCode() == 0;
    }

    TempFolder temp;
    QString book;
    QProcessEnvironment environment;
    QProcess program;
    X11Probe x11;
};
} // namespace

TEST_F(PreviewEndToEnd, BothPreviewButtonsShowTheirPageAndTheEditorWaits)
{
    const xcb_window_t main = start();
    ASSERT_NE(main, 0u);
    preview(main, PreviewKindle, Red, Green, "Escape");
    preview(main, PreviewCreateSpace, Green, Red, "Return");
    // Again, in a fresh window that shows only its own page.
    preview(main, PreviewKindle, Red, Green, "Return");
    preview(main, PreviewCreateSpace, Green, Red, nullptr);
    EXPECT_TRUE(closesWithoutAsking(main)) << "the editor took input while the preview was open";
    EXPECT_EQ(TempFolder::read(book), Book);
}

TEST_F(PreviewEndToEnd, BrokenPreviewLeavesTheEditorWithItsText)
{
    // The helper starts, but its engine cannot: it aborts.
    environment.insert(QStringLiteral("QTWEBENGINEPROCESS_PATH"), temp.file(QStringLiteral("no-engine")));
    const xcb_window_t main = start();
    ASSERT_NE(main, 0u);
    clickAt(main, PreviewKindle);

    // The editor's message box, captioned with the program's title.
    const QList<xcb_window_t> windows = waitForWindows(QStringLiteral("Quorvane"), 2);
    ASSERT_EQ(windows.size(), 2);
    EXPECT_TRUE(x11.windowsTitled(QStringLiteral("Preview")).isEmpty());
    const xcb_window_t message = windows.first() == main ? windows.last() : windows.first();
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(message)});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return x11.windowsTitled(QStringLiteral("Quorvane")).size() == 1; }, 10000));

    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_TRUE(closesWithoutAsking(main));
    EXPECT_EQ(TempFolder::read(book), Book);
}
