// Where the preview window goes with the editor on either of two screens side by side, or
// on a third screen too small for it.
#include "Form2Layout.h"
#include "OwnerPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

TEST(OwnerPlacement, PreviewStaysOnTheScreenUnderTheEditorsCentre)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 3);
    const struct {
        QRect owner;
        QPoint expected;
    } rows[] = {
        {{100, 100, 994, 747}, {225, 150}},        // on the first screen, centred
        {{2000, 300, 994, 747}, {2125, 350}},      // on the second screen, centred
        {{3000, 600, 994, 747}, {2777, 433}},      // at the second screen's corner: kept inside it
        {{1200, 200, 994, 747}, {1600, 250}},      // across both, centre on the second: all on it
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.owner.x() << ',' << row.owner.y());
        QWidget window;
        window.setFixedSize(Form2Layout::ClientSize);
        PreviewProtocol::OwnerWindow owner;
        owner.geometry = row.owner;
        PlaceOnOwner(&window, owner);
        EXPECT_EQ(window.pos(), row.expected);
    }
}

TEST(OwnerPlacement, PreviewShrinksToAScreenSmallerThanItself)
{
    QWidget window;
    window.setFixedSize(Form2Layout::ClientSize);
    PreviewProtocol::OwnerWindow owner;
    owner.geometry = QRect(3600, 50, 400, 300);
    PlaceOnOwner(&window, owner);
    EXPECT_EQ(QRect(window.pos(), window.size()), QRect(3520, 0, 640, 480));
    EXPECT_EQ(window.minimumSize(), QSize(640, 480)) << "still a window of fixed size";
}
