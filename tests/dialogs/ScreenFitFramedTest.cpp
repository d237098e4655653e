// Screen fitting under a real window manager, which frames a window only once it is on screen.
#include "ScreenFit.h"
#include "WindowManager.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

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
        << first.frameGeometry().x() << ',' << first.frameGeometry().y() << ' ' << first.frameGeometry().width() << 'x'
        << first.frameGeometry().height();
}
