// A window kept inside the free area of its screen: at the edge, and one pixel past it.
#include "WindowFit.h"

#include <gtest/gtest.h>

namespace {
// A 1920 by 1080 screen with a 40-pixel panel along its top.
const QRect Area(0, 40, 1920, 1040);
const QSize Small(100, 80);
} // namespace

TEST(WindowFit, AWindowThatFitsStaysAsItIs)
{
    EXPECT_EQ(FitWindowToArea(QRect(0, 40, 1920, 1040), Small, Area), QRect(0, 40, 1920, 1040));
    EXPECT_EQ(FitWindowToArea(QRect(1420, 620, 500, 460), Small, Area), QRect(1420, 620, 500, 460));
}

TEST(WindowFit, OnePixelOverAnEdgeMovesInByOnePixel)
{
    EXPECT_EQ(FitWindowToArea(QRect(1421, 620, 500, 460), Small, Area), QRect(1420, 620, 500, 460));
    EXPECT_EQ(FitWindowToArea(QRect(1420, 621, 500, 460), Small, Area), QRect(1420, 620, 500, 460));
    EXPECT_EQ(FitWindowToArea(QRect(-1, 39, 500, 460), Small, Area), QRect(0, 40, 500, 460));
}

TEST(WindowFit, OnePixelTooLargeShrinksToTheArea)
{
    EXPECT_EQ(FitWindowToArea(QRect(10, 50, 1921, 1041), Small, Area), QRect(0, 40, 1920, 1040));
    // Taller than the screen and opened low: shortened and lifted to the panel's edge.
    EXPECT_EQ(FitWindowToArea(QRect(300, 800, 900, 1280), Small, Area), QRect(300, 40, 900, 1040));
}

TEST(WindowFit, AWindowThatCannotShrinkKeepsItsTitleBarInside)
{
    EXPECT_EQ(FitWindowToArea(QRect(500, 500, 2000, 1200), QSize(1920, 1040), Area), QRect(0, 40, 1920, 1040));
    EXPECT_EQ(FitWindowToArea(QRect(500, 500, 2000, 1200), QSize(1921, 1041), Area), QRect(0, 40, 1921, 1041));
}

TEST(WindowFit, ASecondScreenKeepsItsOwnOrigin)
{
    const QRect right(1920, 0, 1280, 1024);
    EXPECT_EQ(FitWindowToArea(QRect(2900, 500, 400, 600), Small, right), QRect(2800, 424, 400, 600));
    EXPECT_EQ(FitWindowToArea(QRect(2900, 500, 400, 600), Small, QRect()), QRect(2900, 500, 400, 600));
}

// A saved position (here in pixels) comes back where the whole frame stays on a screen.
TEST(RestoredWindowPosition, EachCoordinateUpToTheScreenMinusTheFrame)
{
    const QList<QRect> screen{QRect(0, 0, 1600, 1200)};
    const QRect free(0, 40, 1600, 1160);
    const QSize frame(1000, 800);
    EXPECT_EQ(RestoredWindowPosition(600, 400, frame, screen, free), QPoint(600, 400));
    EXPECT_EQ(RestoredWindowPosition(0, 0, frame, screen, free), QPoint(0, 0));
    // One pixel off the right edge, or the left: that coordinate centred, the other kept.
    EXPECT_EQ(RestoredWindowPosition(601, 400, frame, screen, free), QPoint(300, 400));
    EXPECT_EQ(RestoredWindowPosition(-1, 399, frame, screen, free), QPoint(300, 399));
    EXPECT_EQ(RestoredWindowPosition(10, 401, frame, screen, free), QPoint(10, 220));
    // Off both ways: centred in the free area; nothing saved: left to the system.
    EXPECT_EQ(RestoredWindowPosition(-1, 401, frame, screen, free), QPoint(300, 220));
    EXPECT_EQ(RestoredWindowPosition(std::nullopt, 100, frame, screen, free), QPoint(300, 100));
    EXPECT_EQ(RestoredWindowPosition(std::nullopt, std::nullopt, frame, screen, free), std::nullopt);
}

TEST(RestoredWindowPosition, AScreenThatShrankCentresWhatNoLongerFits)
{
    // Saved on a 1600 by 1200 screen, now 1280 by 1024: the frame would reach past both edges.
    const QList<QRect> smaller{QRect(0, 0, 1280, 1024)};
    EXPECT_EQ(RestoredWindowPosition(600, 400, QSize(1000, 800), smaller, smaller.front()), QPoint(140, 112));
    EXPECT_EQ(RestoredWindowPosition(280, 224, QSize(1000, 800), smaller, smaller.front()), QPoint(280, 224));
    // No longer any room at all: the free area's corner, the title bar on the screen.
    EXPECT_EQ(RestoredWindowPosition(9, 9, QSize(1300, 1100), smaller, smaller.front()), QPoint(0, 0));
    EXPECT_EQ(RestoredWindowPosition(0, 5, QSize(1200, 1100), smaller, smaller.front()), QPoint(0, 0));
}

TEST(RestoredWindowPosition, ASecondScreenKeepsAWindowWhollyOnIt)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(RestoredWindowPosition(2200, 100, QSize(900, 700), screens, screens.front()), QPoint(2200, 100));
    // Across the two screens, and partly off the second one: judged by the first alone.
    EXPECT_EQ(RestoredWindowPosition(1500, 100, QSize(900, 700), screens, screens.front()), QPoint(510, 100));
    EXPECT_EQ(RestoredWindowPosition(2400, 400, QSize(900, 700), screens, screens.front()), QPoint(510, 190));
}
