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
