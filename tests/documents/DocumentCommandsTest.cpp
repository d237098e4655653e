#include "Dialogs.h"
#include "DocumentCommands.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "NewDescription.h"
#include "NewDescriptionWizard.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "SettingsStore.h"
#include "TempFolder.h"
#include "cFileDialog.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
const QString SaveChanges = "Do you want to save the changes to this document?";
const QString Filter = "Quorvane Files (*.qvn)|*.qvn";
const QChar Nul(0);

QString overwriteQuestion(const QString& path)
{
    return "The file '" + path + "' already exists,\r\ndo you want to overwrite it?";
}

// The main window's boxes, with the handle of the window that owns the dialogs.
class OwnedBoxes : public MemoryDescriptionView {
public:
    quintptr ownerWindowHandle() const override { return 4711; }
};

// The program as the main window leaves it after loading, with every outside effect
// scripted: message boxes, file dialogs and the wizard.
class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetDocumentState();
        m_previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        DocumentState& doc = Document();
        doc.Boxes = &m_boxes;
        doc.SharedFileDialog = std::make_shared<cFileDialog>();
        doc.DescriptionFileFilter = Filter;
        doc.DescriptionFileExtension = "qvn";
        m_previousWizard = SetNewDescriptionWizard([this] {
            ++m_wizardRuns;
            if (!m_wizardTitle.isEmpty())
                StartNewDescription(m_wizardTitle, true, false);
        });
    }
    void TearDown() override
    {
        SetNewDescriptionWizard(std::move(m_previousWizard));
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
        ResetDocumentState();
    }

    // Unsaved text in the boxes, as typing leaves it.
    void typeText(const QString& headline)
    {
        m_boxes.setBoxText(Headline, headline);
        ASSERT_TRUE(Document().DocumentDirty);
    }

    // A saved description file whose folder and name are the current ones.
    QString openFile(const QString& name, const QString& headline)
    {
        typeText(headline);
        m_boxes.setBoxText(BookTitleBox, "Book");
        QString path = m_folder.file(name);
        Document().CurrentFolder = m_folder.path();
        Document().CurrentFileName = name;
        m_folder.write(name, "[[[QVN FILE]]]Book\r\n" + headline.toUtf8() + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        Document().DocumentDirty = false;
        return path;
    }

    static QByteArray fileText(const QString& path) { return TempFolder::read(path); }
    const FileDialogRecord& dialogRecord(size_t i) const { return m_dialogs.shown().at(i).record; }

    OwnedBoxes m_boxes;
    TempFolder m_folder;
    TempFolder m_config;
    ScriptedMessages m_messages;
    ScriptedFileDialogs m_dialogs;
    int m_wizardRuns = 0;
    QString m_wizardTitle;  // empty: the user cancels the wizard
    NewDescriptionWizard m_previousWizard;
    QByteArray m_previousConfig;
};
} // namespace

TEST_F(DocumentCommandsTest, NewOnACleanDocumentAsksNothingAndRunsTheWizard)
{
    m_wizardTitle = "Garden Basics";
    NewDescription();
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_EQ(m_wizardRuns, 1);
    EXPECT_EQ(m_boxes.boxText(BookTitleBox), "Garden Basics");
    EXPECT_TRUE(Document().DocumentDirty);
}

TEST_F(DocumentCommandsTest, CancelEndsTheCommandAndNoKeepsTheTextUntilItIsReplaced)
{
    typeText("Unsaved");
    m_messages.answer(MsgAnswer::Cancel).answer(MsgAnswer::Cancel);
    NewDescription();
    OpenDescription();
    const MessageRequest& prompt = m_messages.shown().at(0);
    EXPECT_EQ(prompt.text, SaveChanges);
    EXPECT_EQ(prompt.icon, MsgIcon::Exclamation);
    EXPECT_EQ(prompt.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(prompt.caption, "Quorvane");
    EXPECT_EQ(m_wizardRuns, 0);
    EXPECT_TRUE(m_dialogs.shown().empty());

    // No, then the wizard and the Open dialog are cancelled: the text stays, still unsaved.
    m_messages.answer(MsgAnswer::No).answer(MsgAnswer::No);
    m_dialogs.cancel();
    NewDescription();
    OpenDescription();
    EXPECT_EQ(m_wizardRuns, 1);
    EXPECT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_EQ(m_boxes.boxText(Headline), "Unsaved");
    EXPECT_TRUE(Document().DocumentDirty);
}

TEST_F(DocumentCommandsTest, YesWhoseSaveDoesNotHappenEndsTheCommand)
{
    typeText("Unsaved");
    // Untitled: the Save dialog is cancelled, and neither wizard nor Open dialog follows.
    m_messages.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
    m_dialogs.cancel().cancel();
    NewDescription();
    OpenDescription();
    ASSERT_EQ(m_dialogs.shown().size(), 2u);
    EXPECT_EQ(m_dialogs.shown()[1].kind, FileDialogKind::Save);
    EXPECT_EQ(m_wizardRuns, 0);

    // The write fails: its error shows and the command ends there.
    m_messages.answer(MsgAnswer::Yes);
    m_dialogs.choose(m_folder.file("no-such-folder/Book.qvn"));
    NewDescription();
    EXPECT_EQ(m_messages.shown().back().caption, "Error saving file");
    EXPECT_EQ(m_wizardRuns, 0);
    EXPECT_EQ(m_boxes.boxText(Headline), "Unsaved");
    EXPECT_TRUE(Document().DocumentDirty);
}

TEST_F(DocumentCommandsTest, YesSavesAnOpenFileSilentlyThenOpenUsesTheSharedDialog)
{
    const QString path = openFile("Book.qvn", "First");
    typeText("Second");
    m_messages.answer(MsgAnswer::Yes);
    m_dialogs.choose(path);
    OpenDescription();
    ASSERT_EQ(m_dialogs.shown().size(), 1u);
    EXPECT_TRUE(fileText(path).contains("\r\nSecond\r\n"));
    const FileDialogRecord& r = dialogRecord(0);
    EXPECT_EQ(m_dialogs.shown()[0].kind, FileDialogKind::Open);
    EXPECT_EQ(r.lpstrTitle, "Open File");
    EXPECT_EQ(r.lpstrInitialDir, m_folder.path() + QString(2, Nul));
    EXPECT_EQ(r.lpstrFile, QString(1024, Nul));
    EXPECT_EQ(r.lpstrFilter, cFileDialog::ConvertFilter(Filter));
    EXPECT_EQ(r.Flags, 4100);
    EXPECT_EQ(r.hwndOwner, 4711u);
    EXPECT_FALSE(Document().SharedFileDialog->CancelError());
    EXPECT_EQ(Document().CurrentFileName, "Book.qvn");
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(DocumentCommandsTest, SaveWritesAnExistingFileAndAsksForAVanishedOne)
{
    const QString path = openFile("Book.qvn", "First");
    typeText("Second");
    SaveDescription();
    EXPECT_TRUE(m_dialogs.shown().empty());
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_TRUE(fileText(path).contains("\r\nSecond\r\n"));

    // Deleted since: the Save dialog proposes the old name in the old folder.
    QFile::remove(path);
    typeText("Third");
    m_dialogs.choose(path);
    SaveDescription();
    const FileDialogRecord& r = dialogRecord(0);
    EXPECT_EQ(m_dialogs.shown()[0].kind, FileDialogKind::Save);
    EXPECT_EQ(r.lpstrTitle, "Save File");
    EXPECT_EQ(r.lpstrInitialDir, m_folder.path() + QString(2, Nul));
    EXPECT_EQ(TextBeforeFirstNul(r.lpstrFile), "Book.qvn");
    EXPECT_EQ(r.lpstrDefExt, "qvn" + QString(2, Nul));
    EXPECT_EQ(r.Flags, 0);  // never assigned by Save
    EXPECT_TRUE(Document().SharedFileDialog->CancelError());
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_TRUE(fileText(path).contains("\r\nThird\r\n"));
    EXPECT_FALSE(Document().DocumentDirty);

    // A location that cannot even be looked at counts as no file.
    Document().CurrentFolder = m_folder.write("plain", "not a folder");
    typeText("Fourth");
    m_dialogs.cancel();
    SaveDescription();
    EXPECT_EQ(m_dialogs.shown().size(), 2u);
}

TEST_F(DocumentCommandsTest, SaveAsOntoAnExistingFileAsksAndNoLeavesEverything)
{
    const QString taken = m_folder.write("Taken.qvn", "precious");
    typeText("Mine");
    m_messages.answer(MsgAnswer::No);
    m_dialogs.choose(taken);
    SaveDescriptionAs();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, overwriteQuestion(taken));
    EXPECT_EQ(m_messages.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(m_messages.shown()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(m_messages.shown()[0].caption, "Quorvane");
    EXPECT_EQ(fileText(taken), "precious");
    EXPECT_TRUE(Document().CurrentFileName.isEmpty());
    EXPECT_TRUE(Document().DocumentDirty);

    m_messages.answer(MsgAnswer::Yes);
    m_dialogs.choose(taken);
    SaveDescriptionAs();
    EXPECT_TRUE(fileText(taken).contains("\r\nMine\r\n"));
    EXPECT_EQ(Document().CurrentFileName, "Taken.qvn");
    EXPECT_FALSE(Document().DocumentDirty);
}

TEST_F(DocumentCommandsTest, ALinkToAFileIsAFileAndAFolderOrAnAppendedNameGetsNoQuestion)
{
    const QString link = m_folder.file("Link.qvn");
    ASSERT_TRUE(QFile::link(m_folder.write("Target.qvn", "target"), link));
    typeText("Through the link");
    m_messages.answer(MsgAnswer::Yes);
    m_dialogs.choose(link);
    SaveDescriptionAs();
    EXPECT_EQ(m_messages.texts(), std::vector<QString>{overwriteQuestion(link)});

    m_messages.clear();
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("Shelf"));
    m_dialogs.choose(m_folder.file("Shelf"));
    SaveDescriptionAs();
    EXPECT_TRUE(QFileInfo(m_folder.file("Shelf.qvn")).isFile());

    // "notes.txt" is written as "notes.txt.qvn", which already exists: no second question.
    const QString extended = m_folder.write("notes.txt.qvn", "old");
    m_dialogs.choose(m_folder.file("notes.txt"));
    SaveDescriptionAs();
    EXPECT_TRUE(m_messages.shown().empty());
    EXPECT_TRUE(fileText(extended).contains("\r\nThrough the link\r\n"));
    EXPECT_EQ(Document().CurrentFileName, "notes.txt.qvn");
}

TEST_F(DocumentCommandsTest, WithoutAFolderTheDialogsKeepTheFolderTheSharedObjectHolds)
{
    // First run: nothing to start in, so the system's default folder.
    typeText("Text");
    m_dialogs.cancel().cancel();
    SaveDescriptionAs();
    Document().DocumentDirty = false;
    OpenDescription();
    EXPECT_TRUE(dialogRecord(0).lpstrInitialDir.isEmpty());
    EXPECT_TRUE(dialogRecord(1).lpstrInitialDir.isEmpty());

    // After an Open in a folder, Save starts there and with the Open dialog's flags.
    Document().CurrentFolder = m_folder.path();
    m_dialogs.cancel();
    OpenDescription();
    Document().CurrentFolder.clear();
    typeText("More text");
    m_dialogs.cancel();
    SaveDescriptionAs();
    EXPECT_EQ(dialogRecord(3).lpstrInitialDir, m_folder.path() + QString(2, Nul));
    EXPECT_EQ(dialogRecord(3).Flags, 4100);
}

TEST_F(DocumentCommandsTest, AFailureInsideTheSaveDialogReadsAsACancel)
{
    Document().CurrentFileName = QString(1100, 'n');  // too long for the dialog's buffer
    typeText("Text");
    m_dialogs.choose(m_folder.file("Chosen.qvn"));
    SaveDescription();
    EXPECT_EQ(m_dialogs.shown().size(), 1u);  // shown, but the answer is dropped
    EXPECT_FALSE(QFileInfo::exists(m_folder.file("Chosen.qvn")));
    EXPECT_TRUE(Document().DocumentDirty);

    // Before the main window has created the shared object, the commands still work.
    Document().SharedFileDialog.reset();
    m_dialogs.cancel();
    EXPECT_TRUE(ShowOpenDialog(Filter).isEmpty());
    EXPECT_NE(Document().SharedFileDialog, nullptr);
}
