// Ctrl+N, Ctrl+O, Ctrl+S and Ctrl+Shift+S in the main window, with the focus in a box.
#include "AppTestSupport.h"
#include "DocumentDialogs.h"
#include "ModalDialogs.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "cFileDialog.h"
#include "frmMain.h"
#include "frmNew.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

namespace {
class DocumentShortcutsTest : public FirstRunTest {
protected:
    void SetUp() override
    {
        // What the main window's load sets up; the scripted dialogs then stand in for Qt's.
        Document().SharedFileDialog = std::make_shared<cFileDialog>();
        InstallDocumentDialogs(&window);
        dialogs = std::make_unique<ScriptedFileDialogs>();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.boxes().widget(Headline)->setFocus();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(window.boxes().widget(Headline), key, modifiers);
    }

    frmMain window;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
    ScriptedMessages messages;
    TempFolder temp;
};
} // namespace

TEST_F(DocumentShortcutsTest, EachKeyRunsItsDocumentCommand)
{
    // Open, then Save on the opened file writes it without a dialog.
    const QString book = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book")));
    dialogs->choose(QDir::toNativeSeparators(book));
    press(Qt::Key_O);
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].kind, FileDialogKind::Open);
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Book.qvn"));

    window.boxes().setBoxText(Subheadline, QStringLiteral("Changed"));
    press(Qt::Key_S);
    EXPECT_EQ(dialogs->shown().size(), 1u);
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_TRUE(TempFolder::read(book).contains("Changed"));

    // Save As always asks, even for a file that has a name.
    dialogs->cancel();
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs->shown().size(), 2u);
    EXPECT_EQ(dialogs->shown()[1].kind, FileDialogKind::Save);

    // New starts the wizard; cancelled, the document stays.
    bool wizardShown = false;
    auto wizard = OnNextModal<frmNew>([&](frmNew* w) {
        wizardShown = true;
        w->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    press(Qt::Key_N);
    EXPECT_TRUE(wizardShown);
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Book.qvn"));

    // None of the keys typed into the box, and nothing else was asked.
    EXPECT_EQ(window.boxes().boxText(Headline), QString());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(dialogs->unusedReplies(), 0);
}
