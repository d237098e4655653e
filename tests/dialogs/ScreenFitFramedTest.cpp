// Screen fitting on a real X server under a window manager, which frames a window only after
// it is mapped: the dialog is fitted once its frame is known, and a dialog the user then drags
// partly off the screen stays where it was dropped.
#include "ScreenFit.h"

#include <QDialog>
#include <QMap>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The window with its frame, as the window manager has framed it; nothing before it has.
QRect frameOf(WId window)
{
    const QString id = QString::number(window);
    QMap<QString, int> v;
    for (const QString& line : run("xwininfo", {"-id", id}).split('\n'))
        v[line.section(':', 0, 0).trimmed()] = line.section(':', 1).trimmed().toInt();
    const QStringList extents = run("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}).section('=', 1).split(',');
    if (extents.size() != 4)
        return {};
    return QRect(v["Absolute upper-left X"], v["Absolute upper-left Y"], v["Width"], v["Height"])
        .marginsAdded(QMargins(extents[0].toInt(), extents[2].toInt(), extents[1].toInt(), extents[3].toInt()));
}

std::string text(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

class ScreenFitFramed : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        windowManager = new QProcess;
        windowManager->start("openbox", {"--sm-disable"});
        ASSERT_TRUE(windowManager->waitForStarted(10000));
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }, 10000));
        // It is ready for windows a moment after it says it is there.
        QTest::qWait(1000);
        KeepWindowsOnScreen();
    }
    static void TearDownTestSuite()
    {
        windowManager->terminate();
        windowManager->waitForFinished(5000);
        delete windowManager;
    }
    static inline QProcess* windowManager = nullptr;
};
} // namespace

TEST_F(ScreenFitFramed, FittedOnceWhenTheFrameComesThenLeftWhereTheUserDragsIt)
{
    const QRect screen(0, 0, 1600, 1200);
    // One whose client area ends on the screen's last row, so that only the frame's bottom
    // edge, unknown until the window manager adds it, takes it past the edge; one that fits.
    for (const QPoint at : {QPoint(600, 900), QPoint(600, 400)}) {
        SCOPED_TRACE(at.y());
        QDialog dialog;
        dialog.resize(400, 300);
        dialog.move(at);
        dialog.show();
        QRect frame;
        ASSERT_TRUE(QTest::qWaitFor([&] { return !(frame = frameOf(dialog.winId())).isNull(); }, 10000));
        ASSERT_GT(frame.height(), 300) << "no frame: " << text(frame);
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen.contains(frame = frameOf(dialog.winId())); }, 5000))
            << "not fitted once framed: " << text(frame);
        QTest::qWait(500);
        frame = frameOf(dialog.winId());
        EXPECT_TRUE(screen.contains(frame)) << text(frame);

        // Dragged by its title bar until half of it is past the right edge, and let go there.
        const QPoint grip(frame.center().x(), frame.top() + (dialog.geometry().top() - frame.top()) / 2);
        run("xdotool", {"mousemove", QString::number(grip.x()), QString::number(grip.y()), "mousedown", "1"});
        QTest::qWait(200);
        for (int step = 1; step <= 10; ++step) {
            run("xdotool", {"mousemove", QString::number(grip.x() + step * 80), QString::number(grip.y())});
            QTest::qWait(30);
        }
        run("xdotool", {"mouseup", "1"});
        QTest::qWait(1000);
        const QRect dropped = frameOf(dialog.winId());
        // The window manager starts a move a pixel or two after the pointer does.
        EXPECT_NEAR(dropped.left(), frame.left() + 800, 3) << "moved back after the drag: " << text(dropped);
        EXPECT_EQ(dropped.top(), frame.top()) << text(dropped);
        EXPECT_GT(dropped.right(), screen.right());
        EXPECT_EQ(dropped.size(), frame.size());
    }
}
