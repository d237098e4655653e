// The main window and the start dialog driving the document commands, with scripted
// Open and Save dialogs and the real wizard.
#include "AppTestSupport.h"
#include "DescriptionFile.h"
#include "DocumentDialogs.h"
#include "MainWindowLayout.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "cFileDialog.h"
#include "frmMain.h"
#include "frmNew.h"
#include "frmOnLoad.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace L = MainWindowLayout;

namespace {
const QString SavePrompt = QStringLiteral("Do you want to save the changes to this document?");

class DocumentFlowTest : public FirstRunTest {
protected:
    DocumentFlowTest()
    {
        // What the main window's load sets up; the scripted dialogs then stand in for Qt's.
        Document().SharedFileDialog = std::make_shared<cFileDialog>();
        InstallDocumentDialogs(&window);
        dialogs = std::make_unique<ScriptedFileDialogs>();
    }

    void showWindow()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QString folder() const { return QDir(temp.path()).absolutePath(); }

    // The wizard as a person fills it in: a title, then OK (or Cancel when title is empty).
    static std::unique_ptr<QTimer> answerWizard(const QString& title)
    {
        return OnNextModal<frmNew>([title](frmNew* wizard) {
            if (title.isEmpty()) {
                wizard->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
                return;
            }
            QTest::keyClicks(wizard->findChild<QLineEdit*>(QStringLiteral("txtTitle")), title);
            wizard->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
    }

    TempFolder temp;
    frmMain window;
    std::unique_ptr<ScriptedFileDialogs> dialogs;
};
} // namespace

TEST_F(DocumentFlowTest, YesOnAnUntitledDocumentWhoseSaveIsCancelledKeepsTheWindow)
{
    ScriptedMessages messages;
    messages.answer(MsgAnswer::Yes);
    dialogs->cancel();
    showWindow();
    window.boxes().setBoxText(Headline, QStringLiteral("Unsaved"));

    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(messages.texts(), std::vector<QString>{SavePrompt});
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].kind, FileDialogKind::Save);
    EXPECT_TRUE(Document().DocumentDirty);
    EXPECT_EQ(window.boxes().boxText(Headline), QStringLiteral("Unsaved"));
}

TEST_F(DocumentFlowTest, YesOnAnUntitledDocumentSavesThroughTheDialogAndCloses)
{
    ScriptedMessages messages;
    messages.answer(MsgAnswer::Yes);
    const QString path = folder() + QStringLiteral("/Chapter");
    dialogs->choose(path);
    showWindow();
    window.boxes().setBoxText(BookTitleBox, QStringLiteral("Chapter"));

    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(TempFolder::read(path + QStringLiteral(".qvn")).startsWith("[[[QVN FILE]]]Chapter\r\n"));
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(DocumentFlowTest, YesOnAnOpenFileSavesWithoutADialogAndCloses)
{
    ScriptedMessages messages;
    messages.answer(MsgAnswer::Yes);
    const QString path = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book")));
    LoadDescriptionFile(path);
    ASSERT_EQ(Document().CurrentFileName, QStringLiteral("Book.qvn"));
    showWindow();
    window.boxes().widget(Subheadline)->setFocus();
    QTest::keyClicks(window.boxes().widget(Subheadline), QStringLiteral("Typed"));

    EXPECT_TRUE(window.close());
    EXPECT_TRUE(dialogs->shown().empty());
    EXPECT_EQ(TempFolder::read(path), DescriptionFileBytes(QStringLiteral("Book"), {QString(), QStringLiteral("Typed")}));
}

TEST_F(DocumentFlowTest, TheDocumentButtonsRunTheirCommands)
{
    ScriptedMessages messages;
    const QString book = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book")));
    showWindow();

    dialogs->choose(book);
    window.button(L::OpenButton)->click();
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Book.qvn"));
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Book"));

    window.boxes().setBoxText(Headline, QStringLiteral("Saved"));
    window.button(L::SaveButton)->click();
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_EQ(TempFolder::read(book), DescriptionFileBytes(QStringLiteral("Book"), {QStringLiteral("Saved")}));

    dialogs->choose(folder() + QStringLiteral("/Copy.qvn"));
    window.button(L::SaveAsButton)->click();
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Copy.qvn"));

    const auto wizard = answerWizard(QStringLiteral("Another Book"));
    window.button(L::NewButton)->click();
    EXPECT_EQ(Document().CurrentBookTitle, QStringLiteral("Another Book"));
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Another Book"));
    EXPECT_TRUE(Document().CurrentFileName.isEmpty());
    EXPECT_TRUE(Document().DocumentDirty);
    EXPECT_EQ(dialogs->unusedReplies(), 0);
}

TEST_F(DocumentFlowTest, StartDialogStaysAfterACancelledWizardAndClosesAfterAConfirmedOne)
{
    frmOnLoad dialog(&window);
    dialog.show();
    {
        const auto wizard = answerWizard(QString());
        dialog.cmdNew()->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(Document().CurrentBookTitle.isEmpty());
    }
    const auto wizard = answerWizard(QStringLiteral("Garden Basics"));
    dialog.cmdNew()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(window.boxes().boxText(BookTitleBox), QStringLiteral("Garden Basics"));
}

TEST_F(DocumentFlowTest, StartDialogStaysAfterACancelledOpenAndClosesAfterALoad)
{
    const QString book = temp.write(QStringLiteral("Book.qvn"), DescriptionFileBytes(QStringLiteral("Book")));
    frmOnLoad dialog(&window);
    dialog.show();

    dialogs->cancel();
    dialog.cmdOpen()->click();
    EXPECT_TRUE(dialog.isVisible());

    dialogs->choose(book);
    dialog.cmdOpen()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Document().CurrentFileName, QStringLiteral("Book.qvn"));
    ASSERT_EQ(dialogs->shown().size(), 2u);
    EXPECT_EQ(dialogs->shown()[0].kind, FileDialogKind::Open);
}

TEST_F(DocumentFlowTest, StartDialogStaysWhenTheChosenFileIsNoDescription)
{
    ScriptedMessages messages;
    dialogs->choose(temp.write(QStringLiteral("Notes.txt"), "notes\r\n"));
    frmOnLoad dialog(&window);
    dialog.show();
    dialog.cmdOpen()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts(),
              std::vector<QString>{QStringLiteral("The specified file is not recognised as a supported type.")});
}
