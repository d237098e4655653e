// The built program on a real X server: a top-bar button's pixels on screen, as the pointer
// moves onto it, presses it and leaves, against the gallery's rendering of the same button.
#include "EditorEnvironment.h"
#include "TempFolder.h"
#include "Xdotool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// cmdCopyKindleHTML: 4035, 120 twips on the top bar, 204 by 23 pixels.
const QRect kButton(269, 8, 204, 23);

QImage Gallery(const QString& state)
{
    const QString out = QDir::temp().filePath(QStringLiteral("quorvane-e2e-%1-%2.png").arg(state).arg(QCoreApplication::applicationPid()));
    QProcess gallery;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // the program's fonts and DPI
    gallery.setProcessEnvironment(environment);
    gallery.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/candybutton-gallery"),
                  {"--style", "1", "--state", state, "--size", "204x23", "--caption", "Copy Kindle Description",
                   "--picture", QStringLiteral(QUORVANE_ICON_DIR "/small/copykindle.png"), "--align", "left",
                   "--background", "FFFFFF", "--out", out});
    EXPECT_TRUE(gallery.waitForFinished(30000) && gallery.exitCode() == 0) << gallery.readAllStandardError().toStdString();
    QImage image(out);
    QFile::remove(out);
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage OnScreen(const QRect& area)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Waits until the screen shows the image; returns the milliseconds it took, or -1.
qint64 UntilShown(const QRect& area, const QImage& expected)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        if (OnScreen(area) == expected)
            return clock.elapsed();
        QTest::qWait(1);
    }
    return -1;
}
} // namespace

TEST(ButtonEndToEnd, HoverPressAndLeaveShowTheGallerysFaces)
{
    const QImage normal = Gallery(QStringLiteral("normal"));
    const QImage hover = Gallery(QStringLiteral("hover"));
    const QImage pressed = Gallery(QStringLiteral("pressed"));
    ASSERT_FALSE(normal.isNull() || hover.isNull() || pressed.isNull());
    ASSERT_TRUE(normal != hover && hover != pressed);

    TempFolder temp;
    QDir(temp.path()).mkpath(QStringLiteral("config"));
    const QString book = temp.write(QStringLiteral("Book.qvn"), "[[[QVN FILE]]]Book\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    QProcessEnvironment environment = EditorEnvironment(temp.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    xdotool({"mousemove", "1590", "1190"}); // well away from the window
    program.start(qEnvironmentVariable("QUORVANE_BIN_DIR") + QStringLiteral("/quorvane"), {book});
    ASSERT_TRUE(program.waitForStarted(10000));

    const QStringList shown = windowsShown(QStringLiteral("^Quorvane$"), program.processId(), 30000);
    ASSERT_EQ(shown.size(), 1);
    const QRect window = windowGeometry(shown.front());
    ASSERT_FALSE(window.isNull());
    const QRect area = kButton.translated(window.topLeft());
    const auto pointAt = [&](int x, int y) {
        xdotool({"mousemove", QString::number(area.x() + x), QString::number(area.y() + y)});
    };

    EXPECT_GE(UntilShown(area, normal), 0) << "the normal face";
    pointAt(100, 6);
    const qint64 hoverMs = UntilShown(area, hover);
    EXPECT_GE(hoverMs, 0) << "the hover face";
    pointAt(100, -20);
    EXPECT_GE(UntilShown(area, normal), 0) << "leaving restores the normal face";

    pointAt(60, 6);
    EXPECT_GE(UntilShown(area, hover), 0);
    xdotool({"mousedown", "1"});
    const qint64 pressMs = UntilShown(area, pressed);
    EXPECT_GE(pressMs, 0) << "the pressed face";
    // Dragged off with the button held, then let go there: no click, the normal face.
    pointAt(60, -20);
    EXPECT_GE(UntilShown(area, normal), 0) << "dragged out";
    xdotool({"mouseup", "1"});
    QTest::qWait(300);
    EXPECT_EQ(OnScreen(area), normal);
    std::printf("hover repaint seen after %lld ms, press after %lld ms (from xdotool's return)\n", hoverMs, pressMs);

    program.terminate();
    program.waitForFinished(10000);
}
