// Screen fitting under a real window manager, which frames a window only once it is on screen.
#include "ScreenFit.h"
#include "WindowManager.h"
#include "Xdotool.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
std::string text(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}
} // namespace

// The program's first window has no framed window to tell what a frame adds: it is fitted
// without one as it shows, and once more when the window manager has framed it.
TEST(ScreenFitFramed, TheFirstWindowIsFittedAgainOnceItsFrameIsKnown)
{
    const WindowManager windowManager;
    ASSERT_TRUE(windowManager.isUp());
    KeepWindowsOnScreen();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QDialog first;
    first.move(area.left(), area.top() + 300);
    first.resize(area.width(), 400);
    first.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.frameGeometry() != first.geometry(); }, 10000)) << "never framed";
    EXPECT_TRUE(QTest::qWaitFor([&] { return area.contains(first.frameGeometry()); }, 10000))
        << text(first.frameGeometry());
}

TEST(ScreenFitFramed, FittedOnceWhenTheFrameComesThenLeftWhereTheUserDragsIt)
{
    const WindowManager windowManager;
    ASSERT_TRUE(windowManager.isUp());
    KeepWindowsOnScreen();
    const QRect screen(0, 0, 1600, 1200);
    // One whose client area ends on the screen's last row, so that only the frame's bottom
    // edge, unknown until the window manager adds it, takes it past the edge; one that fits.
    for (const QPoint at : {QPoint(600, 900), QPoint(600, 400)}) {
        SCOPED_TRACE(at.y());
        QDialog dialog;
        dialog.resize(400, 300);
        dialog.move(at);
        dialog.show();
        const QString id = QString::number(dialog.winId());
        QRect frame;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !(frame = frameOf(id)).isNull(); }, 10000));
        ASSERT_GT(frame.height(), 300) << "no frame: " << text(frame);
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen.contains(frame = frameOf(id)); }, 5000))
            << "not fitted once framed: " << text(frame);
        QTest::qWait(500);
        frame = frameOf(id);
        EXPECT_TRUE(screen.contains(frame)) << text(frame);

        // Dragged by its title bar until half of it is past the right edge, and let go there.
        const QPoint grip(frame.center().x(), frame.top() + (dialog.geometry().top() - frame.top()) / 2);
        xdotool({"mousemove", QString::number(grip.x()), QString::number(grip.y()), "mousedown", "1"});
        QTest::qWait(200);
        for (int step = 1; step <= 10; ++step) {
            xdotool({"mousemove", QString::number(grip.x() + step * 80), QString::number(grip.y())});
            QTest::qWait(30);
        }
        xdotool({"mouseup", "1"});
        QTest::qWait(1000);
        const QRect dropped = frameOf(id);
        // The window manager starts a move a pixel or two after the pointer does.
        EXPECT_NEAR(dropped.left(), frame.left() + 800, 3) << "moved back after the drag: " << text(dropped);
        EXPECT_EQ(dropped.top(), frame.top()) << text(dropped);
        EXPECT_GT(dropped.right(), screen.right());
        EXPECT_EQ(dropped.size(), frame.size());
    }
}
