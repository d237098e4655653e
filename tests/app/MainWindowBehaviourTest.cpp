#include "AppTestSupport.h"
#include "MainWindowLayout.h"
#include "ScriptedMessages.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace L = MainWindowLayout;

namespace {
class MainWindowTest : public FirstRunTest {
protected:
    void showWindow()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* box(int i) { return window.boxes().widget(i); }

    frmMain window;
};

const QString SavePrompt = QStringLiteral("Do you want to save the changes to this document?");
} // namespace

TEST_F(MainWindowTest, LineBreaksAreCrLfOnTheDocumentSide)
{
    DescriptionBoxes& boxes = window.boxes();
    boxes.setBoxText(MainBenefits, QStringLiteral("Soil\r\nSeeds\r\nWatering"));
    auto* benefits = qobject_cast<QPlainTextEdit*>(box(MainBenefits));
    EXPECT_EQ(benefits->blockCount(), 3);
    EXPECT_EQ(benefits->toPlainText(), QStringLiteral("Soil\nSeeds\nWatering"));
    EXPECT_EQ(boxes.boxText(MainBenefits), QStringLiteral("Soil\r\nSeeds\r\nWatering"));

    // A single-line box can still hold a break that came from a file.
    boxes.setBoxText(Headline, QStringLiteral("Two\r\nlines"));
    EXPECT_EQ(boxes.boxText(Headline), QStringLiteral("Two\r\nlines"));

    // Non-breaking spaces survive the round trip.
    boxes.setBoxText(OpeningRemarks, QStringLiteral("10\u00A0kg\r\n"));
    EXPECT_EQ(boxes.boxText(OpeningRemarks), QStringLiteral("10\u00A0kg\r\n"));
}

TEST_F(MainWindowTest, TypedBreaksReachTheDocumentAsCrLf)
{
    showWindow();
    QWidget* closing = box(ClosingRemarks);
    closing->setFocus();
    QTest::keyClicks(closing, QStringLiteral("ab"));
    QTest::keyClick(closing, Qt::Key_Return);
    QTest::keyClicks(closing, QStringLiteral("c"));
    QTest::keyClick(closing, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(closing, QStringLiteral("d"));
    EXPECT_EQ(window.boxes().boxText(ClosingRemarks), QStringLiteral("ab\r\nc\r\nd"));
}

TEST_F(MainWindowTest, TypingIntoAnySectionMarksTheDocumentChanged)
{
    showWindow();
    for (const SectionInfo& section : SectionTable) {
        Document().DocumentDirty = false;
        box(section.index)->setFocus();
        QTest::keyClicks(box(section.index), QStringLiteral("x"));
        EXPECT_TRUE(Document().DocumentDirty) << section.name;
    }
    // Deleting is a change too.
    Document().DocumentDirty = false;
    QTest::keyClick(box(CreateSpaceCallToAction), Qt::Key_Backspace);
    EXPECT_TRUE(Document().DocumentDirty);
}

TEST_F(MainWindowTest, AssigningADifferentTextMarksTheDocumentChangedTheSameTextDoesNot)
{
    DescriptionBoxes& boxes = window.boxes();
    boxes.setBoxText(BookTitleBox, QStringLiteral("Garden Basics"));
    EXPECT_TRUE(Document().DocumentDirty);

    Document().DocumentDirty = false;
    boxes.setBoxText(BookTitleBox, QStringLiteral("Garden Basics"));
    EXPECT_FALSE(Document().DocumentDirty);

    boxes.setBoxText(OpeningRemarks, QStringLiteral("One\r\nTwo"));
    EXPECT_TRUE(Document().DocumentDirty);
    Document().DocumentDirty = false;
    boxes.setBoxText(OpeningRemarks, QStringLiteral("One\r\nTwo"));
    EXPECT_FALSE(Document().DocumentDirty);

    boxes.setBoxText(OpeningRemarks, QString());
    EXPECT_TRUE(Document().DocumentDirty);
}

TEST_F(MainWindowTest, F1ReleasedAnywhereInTheWindowAsksForHelp)
{
    showWindow();
    QSignalSpy help(&window, &frmMain::helpRequested);

    box(MainBenefits)->setFocus();
    QTest::keyClicks(box(MainBenefits), QStringLiteral("text"));
    QTest::keyClick(box(MainBenefits), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(window.boxes().boxText(MainBenefits), QStringLiteral("text"));

    QTest::keyClick(window.button(L::SaveButton), Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(help.count(), 3);

    // Other keys, and the repeats of a held key, do not.
    QTest::keyClick(box(Headline), Qt::Key_F2);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(box(Headline), &repeat);
    EXPECT_EQ(help.count(), 3);

    window.button(L::HelpButton)->click();
    EXPECT_EQ(help.count(), 4);
}

TEST_F(MainWindowTest, F1InAnotherWindowIsNotTheMainWindowsBusiness)
{
    showWindow();
    QSignalSpy help(&window, &frmMain::helpRequested);
    QDialog owned(&window);
    owned.show();
    QTest::keyClick(&owned, Qt::Key_F1);
    EXPECT_EQ(help.count(), 0);
}

TEST_F(MainWindowTest, ClosingWithoutChangesAsksNothing)
{
    ScriptedMessages messages;
    showWindow();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainWindowTest, CancelInTheClosePromptKeepsTheWindowOpen)
{
    ScriptedMessages messages;
    messages.answer(MsgAnswer::Cancel);
    showWindow();
    window.boxes().setBoxText(Headline, QStringLiteral("Unsaved"));

    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.shown().size(), 1u);
    const MessageRequest& prompt = messages.shown().front();
    EXPECT_EQ(prompt.text, SavePrompt);
    EXPECT_EQ(prompt.icon, MsgIcon::Exclamation);
    EXPECT_EQ(prompt.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(prompt.caption, QStringLiteral("Quorvane"));
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Unsaved"));
    EXPECT_TRUE(Document().DocumentDirty);
}

TEST_F(MainWindowTest, NoInTheClosePromptClosesWithoutSaving)
{
    ScriptedMessages messages;
    messages.answer(MsgAnswer::No);
    showWindow();
    window.boxes().setBoxText(Headline, QStringLiteral("Unsaved"));
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(messages.texts(), std::vector<QString>{SavePrompt});
}

TEST_F(MainWindowTest, TheCloseButtonRunsTheSameCloseSequence)
{
    ScriptedMessages messages;
    messages.answer(MsgAnswer::Cancel).answer(MsgAnswer::No);
    showWindow();
    window.boxes().setBoxText(Subheadline, QStringLiteral("Unsaved"));

    window.button(L::CloseButton)->click();
    EXPECT_TRUE(window.isVisible());
    window.button(L::CloseButton)->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(messages.texts(), (std::vector<QString>{SavePrompt, SavePrompt}));
}

TEST_F(MainWindowTest, SessionEndAsksAndCanBeRefused)
{
    ScriptedMessages messages;
    messages.answer(MsgAnswer::Cancel).answer(MsgAnswer::No);
    showWindow();
    window.boxes().setBoxText(Headline, QStringLiteral("Unsaved"));

    EXPECT_FALSE(window.EndSession(true));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.EndSession(true));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(messages.texts(), (std::vector<QString>{SavePrompt, SavePrompt}));
}

TEST_F(MainWindowTest, SessionEndWithoutLeaveToAskClosesWithoutAQuestion)
{
    ScriptedMessages messages;
    showWindow();
    window.boxes().setBoxText(Headline, QStringLiteral("Unsaved"));
    EXPECT_TRUE(window.EndSession(false));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_NE(setting(SettingKey::WindowLeft), QStringLiteral("<none>"));
}

TEST_F(MainWindowTest, UnloadStoresThePositionInTwips)
{
    window.move(150, 90);
    showWindow();
    const QPoint at = window.pos();
    ASSERT_TRUE(window.close());
    EXPECT_EQ(setting(SettingKey::WindowLeft), QString::number(at.x() * 15));
    EXPECT_EQ(setting(SettingKey::WindowTop), QString::number(at.y() * 15));
}

TEST_F(MainWindowTest, AMinimisedWindowStoresNothing)
{
    SettingsStore::write(SettingKey::WindowLeft, QStringLiteral("300"));
    SettingsStore::write(SettingKey::WindowTop, QStringLiteral("450"));
    window.move(150, 90);
    showWindow();
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    ASSERT_TRUE(window.close());
    EXPECT_EQ(setting(SettingKey::WindowLeft), QStringLiteral("300"));
    EXPECT_EQ(setting(SettingKey::WindowTop), QStringLiteral("450"));
}
