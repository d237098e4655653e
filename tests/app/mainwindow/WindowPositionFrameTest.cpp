#include "AppTestSupport.h"
#include "WindowPosition.h"
#include "frmMain.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
// Polls until the condition holds or a generous time has passed (the machine may be busy).
template <typename Condition>
bool Eventually(Condition condition)
{
    QDeadlineTimer deadline(20000);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(20);
    return condition();
}
} // namespace

// Positions are the frame's. Before the first show only the client size is known; once the
// window has its frame, a saved coordinate that lets the frame run off the screen is refused.
TEST_F(FirstRunTest, SavedPositionIsCheckedAgainstTheFramesSize)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1600, 1200));
    // 9090 twips = 606 pixels = 1600 − 994: fits the client area exactly, not the frame.
    SettingsStore::write(SettingKey::WindowLeft, QStringLiteral("9090"));
    SettingsStore::write(SettingKey::WindowTop, QStringLiteral("1500"));
    frmMain window;
    WindowPosition::restore(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(Eventually([&] { return window.frameGeometry().size() != window.size(); }));
    const QSize frame = window.frameGeometry().size();
    EXPECT_TRUE(Eventually([&] { return window.frameGeometry().right() < 1600; })) << window.frameGeometry().right();
    EXPECT_EQ(window.frameGeometry().top(), 100) << "the top still fits and stays";
    EXPECT_EQ(window.frameGeometry().left(), (1600 - frame.width()) / 2);
}

// A saved position that fits the frame too is kept once the frame is known.
TEST_F(FirstRunTest, SavedPositionThatFitsTheFrameStays)
{
    SettingsStore::write(SettingKey::WindowLeft, QStringLiteral("1500"));
    SettingsStore::write(SettingKey::WindowTop, QStringLiteral("3000"));
    frmMain window;
    WindowPosition::restore(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(Eventually([&] { return window.frameGeometry().size() != window.size(); }));
    QTest::qWait(50);
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(100, 200));
}
