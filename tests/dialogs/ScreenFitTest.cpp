// Windows shown while the program keeps them on screen, on a 1600 by 1200 screen whose
// windows get a 2-pixel frame.
#include "ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
// The frame's place once the window, of that inner size, has been shown at that place.
QRect shownAt(QWidget& window, QPoint at, QSize inner)
{
    window.move(at);
    window.resize(inner);
    window.show();
    return window.frameGeometry();
}
} // namespace

TEST(ScreenFit, ShownWindowsAreFittedIntoTheScreen)
{
    KeepWindowsOnScreen();
    QDialog exact, wider, lower;
    EXPECT_EQ(shownAt(exact, {0, 500}, {1596, 696}), QRect(0, 500, 1600, 700));
    EXPECT_EQ(shownAt(wider, {100, 500}, {1597, 696}), QRect(0, 500, 1600, 700));
    EXPECT_EQ(shownAt(lower, {300, 501}, {396, 696}), QRect(300, 500, 400, 700));

    // One that cannot shrink is moved to the top left; one not placed goes over the middle of
    // its owner, shrunk and moved in as far as it takes.
    QDialog fixed;
    fixed.setFixedSize(1700, 1300);
    EXPECT_EQ(shownAt(fixed, {200, 100}, {1700, 1300}), QRect(0, 0, 1704, 1304));
    QWidget placed(&exact, Qt::Window);
    placed.resize(900, 1300);
    placed.show();
    EXPECT_EQ(placed.frameGeometry(), QRect(348, 0, 904, 1200));

    // A main window keeps to the place it remembers, even partly off the screen.
    QWidget main(nullptr, Qt::Window);
    EXPECT_EQ(shownAt(main, {1000, 100}, {996, 500}), QRect(1000, 100, 1000, 504));

    // A child widget is no window of its own.
    QWidget child(&exact);
    child.setGeometry(1500, 600, 500, 500);
    child.show();
    EXPECT_EQ(child.geometry(), QRect(1500, 600, 500, 500));
}

// A tooltip wider than the screen (a word longer than the screen is wide) is cut to it.
TEST(ScreenFit, ALongTooltipStaysOnTheScreen)
{
    KeepWindowsOnScreen();
    QWidget owner;
    owner.show();
    const QString line = QStringLiteral("https://example.org/").append(QString(200, u'w'));
    QToolTip::showText(QPoint(1500, 100), QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(line), &owner);
    QWidget* tip = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->windowType() == Qt::ToolTip && window->isVisible())
            tip = window;
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(QRect(0, 0, 1600, 1200).contains(tip->geometry())) << tip->geometry().x() << "+" << tip->geometry().width() << "," << tip->geometry().y() << "+" << tip->geometry().height();
}
