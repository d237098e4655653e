#include "AppTestSupport.h"
#include "MainWindowLayout.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
class MainWindowTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* box(int i) { return window.boxes().widget(i); }

    frmMain window;
};
} // namespace

TEST_F(MainWindowTest, ChangesFromTypingAndFromAssignmentWithCrLfOnTheDocumentSide)
{
    for (const SectionInfo& section : SectionTable) {
        Document().DocumentDirty = false;
        box(section.index)->setFocus();
        QTest::keyClicks(box(section.index), QStringLiteral("x"));
        EXPECT_TRUE(Document().DocumentDirty) << section.name;
    }
    Document().DocumentDirty = false;
    QTest::keyClick(box(CreateSpaceCallToAction), Qt::Key_Backspace);
    EXPECT_TRUE(Document().DocumentDirty) << "deleting is a change too";

    box(ClosingRemarks)->setFocus();
    QTest::keyClick(box(ClosingRemarks), Qt::Key_Return);
    QTest::keyClicks(box(ClosingRemarks), QStringLiteral("c"));
    QTest::keyClick(box(ClosingRemarks), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box(ClosingRemarks), QStringLiteral("d"));
    EXPECT_EQ(window.boxes().boxText(ClosingRemarks), QStringLiteral("x\r\nc\r\nd"));

    // Assigning marks a change only when the text differs; breaks and non-breaking spaces survive.
    DescriptionBoxes& boxes = window.boxes();
    for (const auto& [index, text] : {std::pair{int(BookTitleBox), QStringLiteral("Garden Basics")}, {MainBenefits, QStringLiteral("Soil\r\nSeeds\r\nWatering")},
                                      {Headline, QStringLiteral("Two\r\nlines")}, {OpeningRemarks, QStringLiteral("10\u00A0kg\r\n")}, {OpeningRemarks, QString()}}) {
        SCOPED_TRACE(text.toStdString());
        Document().DocumentDirty = false;
        boxes.setBoxText(index, text);
        EXPECT_TRUE(Document().DocumentDirty);
        EXPECT_EQ(boxes.boxText(index), text);
        Document().DocumentDirty = false;
        boxes.setBoxText(index, text);
        EXPECT_FALSE(Document().DocumentDirty);
    }
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(box(MainBenefits))->toPlainText(), QStringLiteral("Soil\nSeeds\nWatering"));
}

TEST_F(MainWindowTest, F1ReleasedAnywhereInTheWindowAsksForHelp)
{
    QSignalSpy help(&window, &frmMain::helpRequested);
    box(MainBenefits)->setFocus();
    QTest::keyClicks(box(MainBenefits), QStringLiteral("text"));
    QTest::keyClick(box(MainBenefits), Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(window.boxes().boxText(MainBenefits), QStringLiteral("text"));

    for (QWidget* elsewhere : {static_cast<QWidget*>(window.button(MainWindowLayout::SaveButton)), static_cast<QWidget*>(&window)})
        QTest::keyClick(elsewhere, Qt::Key_F1);
    EXPECT_EQ(help.count(), 3);

    // Not other keys, the repeats of a held key, nor F1 in another window.
    QTest::keyClick(box(Headline), Qt::Key_F2);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(box(Headline), &repeat);
    QDialog owned(&window);
    owned.show();
    QTest::keyClick(&owned, Qt::Key_F1);
    EXPECT_EQ(help.count(), 3);

    window.button(MainWindowLayout::HelpButton)->click();
    EXPECT_EQ(help.count(), 4);
}
