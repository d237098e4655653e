#include "AppTestSupport.h"
#include "MessageBoxDialog.h"
#include "WindowOperations.h"
#include "WindowPosition.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {
// The test screen is 1600 by 1200 pixels; the main window 994 by 747.
constexpr int ScreenWidth = 1600 * 15, ScreenHeight = 1200 * 15;
constexpr int MaxLeft = ScreenWidth - 994 * 15;   // 9090
constexpr int MaxTop = ScreenHeight - 747 * 15;   // 6795

class WindowPositionTest : public FirstRunTest {
protected:
    void store(const QString& left, const QString& top)
    {
        SettingsStore::write(SettingKey::WindowLeft, left);
        SettingsStore::write(SettingKey::WindowTop, top);
    }
};
} // namespace

TEST(WindowPositionRule, AppliesFromZeroUpToScreenMinusWindow)
{
    EXPECT_EQ(WindowPosition::applied(0, 1000, 400), 0);
    EXPECT_EQ(WindowPosition::applied(600, 1000, 400), 600);
    EXPECT_EQ(WindowPosition::applied(601, 1000, 400), std::nullopt);
    EXPECT_EQ(WindowPosition::applied(-1, 1000, 400), std::nullopt);
    EXPECT_EQ(WindowPosition::applied(std::nullopt, 1000, 400), std::nullopt);
    // A window larger than the screen can be placed nowhere.
    EXPECT_EQ(WindowPosition::applied(0, 300, 400), std::nullopt);
}

TEST_F(WindowPositionTest, TheTestScreenIsTheOneTheseNumbersAssume)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1600, 1200));
}

TEST_F(WindowPositionTest, ExactlyScreenMinusWindowIsAppliedOnEachAxis)
{
    store(QString::number(MaxLeft), QString::number(MaxTop));
    frmMain window;
    WindowPosition::restore(&window);
    EXPECT_EQ(window.pos(), QPoint(606, 453));
}

TEST_F(WindowPositionTest, OneTwipMoreIsNotAppliedAndTheOtherAxisStillIs)
{
    store(QString::number(MaxLeft + 1), QStringLiteral("1500"));
    frmMain window;
    WindowPosition::restore(&window);
    EXPECT_NE(window.x(), 606);
    EXPECT_EQ(window.y(), 100);

    store(QStringLiteral("1500"), QString::number(MaxTop + 1));
    WindowPosition::restore(&window);
    EXPECT_EQ(window.x(), 100);
    EXPECT_NE(window.y(), 453);
}

TEST_F(WindowPositionTest, MissingNegativeOrNonNumericValuesLeaveThePlacingToTheSystem)
{
    for (const auto& [left, top] : {std::pair{QStringLiteral("-1"), QStringLiteral("-1")},
                                    std::pair{QStringLiteral("abc"), QStringLiteral("")},
                                    std::pair{QStringLiteral("12abc"), QStringLiteral("x7")}}) {
        store(left, top);
        frmMain window;
        WindowPosition::restore(&window);
        EXPECT_FALSE(window.testAttribute(Qt::WA_Moved)) << left.toStdString();
    }
    QFile::remove(settingsFile());
    frmMain window;
    WindowPosition::restore(&window);
    EXPECT_FALSE(window.testAttribute(Qt::WA_Moved));
}

TEST_F(WindowPositionTest, ARestoredPositionIsWhereTheWindowShows)
{
    store(QStringLiteral("1500"), QStringLiteral("3000"));
    frmMain window;
    WindowPosition::restore(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.pos(), QPoint(100, 200));
    ASSERT_TRUE(window.close());
    EXPECT_EQ(setting(SettingKey::WindowLeft), QStringLiteral("1500"));
    EXPECT_EQ(setting(SettingKey::WindowTop), QStringLiteral("3000"));
}

TEST(WindowOperations, TopmostKeepsPositionAndSizeAndCanBeUndone)
{
    QWidget window;
    window.setGeometry(120, 80, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    SetWindowTopmost(&window, true);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));
    EXPECT_FALSE(window.testAttribute(Qt::WA_ShowWithoutActivating));

    SetWindowTopmost(&window, false);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));
}

TEST(WindowOperations, ResourceIconGoesToTheWindowAndTheApplication)
{
    QApplication::setWindowIcon(QIcon());
    QWidget window;
    ApplyResourceIcon(&window, QStringLiteral("AAA"), false);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_TRUE(QApplication::windowIcon().isNull());

    ApplyResourceIcon(&window, QStringLiteral("AAA"), true);
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int edge : {16, 32, 48})
        EXPECT_TRUE(sizes.contains(QSize(edge, edge))) << edge;
}

TEST(MessageBoxDialog, ShowsCaptionTextIconAndButtonsAndReturnsTheAnswer)
{
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::No)->click();
    });
    const MsgAnswer answer = ShowMessageBoxDialog(
        {QStringLiteral("First line\r\nsecond line"), MsgIcon::Exclamation, MsgButtons::YesNoCancel,
         QStringLiteral("Error saving file")});
    EXPECT_EQ(answer, MsgAnswer::No);
    EXPECT_EQ(caption, QStringLiteral("Error saving file"));
    EXPECT_EQ(text, QStringLiteral("First line\nsecond line"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

