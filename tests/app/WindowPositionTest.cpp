#include "AppTestSupport.h"
#include "MessageBoxDialog.h"
#include "WindowPosition.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

TEST(WindowPositionRule, AppliesFromZeroUpToScreenMinusWindow)
{
    for (const auto& [saved, screen, window, applied] :
         {std::tuple<std::optional<int>, int, int, std::optional<int>>{0, 1000, 400, 0}, {600, 1000, 400, 600},
          {601, 1000, 400, std::nullopt}, {-1, 1000, 400, std::nullopt}, {std::nullopt, 1000, 400, std::nullopt},
          {0, 300, 400, std::nullopt}})
        EXPECT_EQ(WindowPosition::applied(saved, screen, window), applied) << saved.value_or(-99) << " " << screen;
}

// On a test screen of 1600 by 1200 pixels the 994 by 747 window fits up to 9090, 6795 twips.
TEST_F(FirstRunTest, StoredPositionWithinTheScreenIsRestoredEachAxisOnItsOwn)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1600, 1200));
    const struct { const char *left, *top; QPoint at; bool xMoved, yMoved; } cases[] = {
        {"9090", "6795", {606, 453}, true, true}, {"9091", "1500", {606, 100}, false, true},
        {"1500", "6796", {100, 453}, true, false}, {"-1", "-1", {-1, -1}, false, false},
        {"abc", "", {-1, -1}, false, false}, {"12abc", "x7", {-1, -1}, false, false}, {nullptr, nullptr, {-1, -1}, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left ? c.left : "nothing stored");
        QFile::remove(settingsFile());
        if (c.left) {
            SettingsStore::write(SettingKey::WindowLeft, QString::fromLatin1(c.left));
            SettingsStore::write(SettingKey::WindowTop, QString::fromLatin1(c.top));
        }
        frmMain window;
        WindowPosition::restore(&window);
        // An axis not applied stays off the edge it was refused.
        EXPECT_EQ(window.testAttribute(Qt::WA_Moved), c.xMoved || c.yMoved);
        EXPECT_EQ(window.x() == c.at.x(), c.xMoved) << window.x();
        EXPECT_EQ(window.y() == c.at.y(), c.yMoved) << window.y();
    }
}

TEST_F(FirstRunTest, ARestoredPositionIsWhereTheWindowShowsAndAMinimisedCloseStoresNothing)
{
    SettingsStore::write(SettingKey::WindowLeft, QStringLiteral("1500"));
    SettingsStore::write(SettingKey::WindowTop, QStringLiteral("3000"));
    frmMain window;  // then minimised and moved, it stores nothing
    WindowPosition::restore(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.pos(), QPoint(100, 200));
    window.move(150, 90);
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    ASSERT_TRUE(window.close());
    EXPECT_EQ(QStringList({setting(SettingKey::WindowLeft), setting(SettingKey::WindowTop)}), QStringList({"1500", "3000"}));
}

TEST(MessageBoxDialog, ShowsCaptionTextIconAndButtonsAndReturnsTheAnswer)
{
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->icon() == QMessageBox::Warning &&
                    box->standardButtons() == (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
        seen << box->windowTitle() << box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(ShowMessageBoxDialog({QStringLiteral("First line\r\nsecond line"), MsgIcon::Exclamation, MsgButtons::YesNoCancel,
                                    QStringLiteral("Error saving file")}),
              MsgAnswer::No);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Error saving file"), QStringLiteral("First line\nsecond line")}));
}
