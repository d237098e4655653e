#include "Dialogs.h"
#include "DocumentCommands.h"
#include "DocumentState.h"
#include "MemoryDescriptionView.h"
#include "NewDescriptionWizard.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "TempFolder.h"
#include "cFileDialog.h"

#include <QDir>
#include <QFile>

#include <tuple>

#include <gtest/gtest.h>

namespace {
const QString Filter = "Quorvane Files (*.qvn)|*.qvn";

// The main window's boxes, with the handle of the window that owns the dialogs.
class OwnedBoxes : public MemoryDescriptionView {
public:
    quintptr ownerWindowHandle() const override { return 4711; }
};

// The program as the main window leaves it after loading, with message boxes, file
// dialogs and the wizard (always cancelled) scripted.
class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetDocumentState();
        Document().Boxes = &m_boxes;
        Document().SharedFileDialog = std::make_shared<cFileDialog>();
        Document().DescriptionFileFilter = Filter;
        Document().DescriptionFileExtension = "qvn";
        m_previousWizard = SetNewDescriptionWizard([this] { ++m_wizardRuns; });
    }
    void TearDown() override
    {
        SetNewDescriptionWizard(std::move(m_previousWizard));
        ResetDocumentState();
    }

    // Unsaved text, as typing leaves it.
    void type(const QString& headline) { m_boxes.setBoxText(Headline, headline); }
    // "Book.qvn" open and unchanged; returns its path.
    QString openBook()
    {
        Document().CurrentFolder = m_folder.path();
        Document().CurrentFileName = "Book.qvn";
        return m_folder.write("Book.qvn", "old");
    }
    static bool holds(const QString& path, const QString& headline)
    {
        return TempFolder::read(path).contains("\r\n" + headline.toUtf8() + "\r\n");
    }
    // What dialog i was given: kind, title, start folder, proposed name, default extension,
    // flags, owner; NULs shown as "~".
    QString shown(size_t i) const
    {
        const FileDialogRecord& r = m_dialogs.shown().at(i).record;
        return QStringList({m_dialogs.shown()[i].kind == FileDialogKind::Open ? "Open" : "Save", r.lpstrTitle,
                            r.lpstrInitialDir, TextBeforeFirstNul(r.lpstrFile), r.lpstrDefExt,
                            QString::number(r.Flags), QString::number(r.hwndOwner)})
            .join('|')
            .replace(QChar(0), '~');
    }

    OwnedBoxes m_boxes;
    TempFolder m_folder;
    ScriptedMessages m_messages;
    ScriptedFileDialogs m_dialogs;
    int m_wizardRuns = 0;
    NewDescriptionWizard m_previousWizard;
};
} // namespace

// A first run too: with no folder, both dialogs start in the system's default one.
TEST_F(DocumentCommandsTest, TheSaveChangesPromptDecidesWhetherNewAndOpenGoOn)
{
    NewDescription();  // a clean document: no question
    EXPECT_EQ(m_wizardRuns, 1);
    EXPECT_TRUE(m_messages.shown().empty());

    type("Unsaved");
    m_messages.answer(MsgAnswer::Cancel).answer(MsgAnswer::Cancel);
    NewDescription();
    OpenDescription();
    EXPECT_EQ(m_wizardRuns, 1);
    EXPECT_TRUE(m_dialogs.shown().empty());
    // No: the wizard and the Open dialog show; cancelled, they leave the unsaved text.
    m_messages.answer(MsgAnswer::No).answer(MsgAnswer::No);
    m_dialogs.cancel();
    NewDescription();
    OpenDescription();
    EXPECT_EQ(m_wizardRuns, 2);
    EXPECT_EQ(shown(0), "Open|Open File||||4100|4711");
    // Yes on an untitled document whose Save dialog is cancelled, or whose write fails, ends it.
    m_messages.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
    m_dialogs.cancel().cancel().choose(m_folder.file("no-such-folder/Book.qvn"));
    NewDescription();
    OpenDescription();
    NewDescription();
    EXPECT_EQ(m_wizardRuns, 2);
    ASSERT_EQ(m_dialogs.shown().size(), 4u);
    EXPECT_EQ(shown(1), "Save|Save File|||qvn~~|4100|4711");
    EXPECT_EQ(m_messages.shown().back().caption, "Error saving file");
    EXPECT_EQ(m_boxes.boxText(Headline), "Unsaved");
    EXPECT_TRUE(Document().DocumentDirty);
    const MessageRequest& prompt = m_messages.shown().at(0);
    EXPECT_EQ(prompt.text, "Do you want to save the changes to this document?");
    EXPECT_EQ(std::make_tuple(prompt.icon, prompt.buttons, prompt.caption),
              std::make_tuple(MsgIcon::Exclamation, MsgButtons::YesNoCancel, QString("Quorvane")));
}

TEST_F(DocumentCommandsTest, YesSavesAnOpenFileSilentlyThenOpenLoadsTheChosenOne)
{
    const QString path = openBook();
    const QString other = m_folder.write("Other.qvn", "[[[QVN FILE]]]Other\r\n" + QByteArray("\r\n").repeated(8));
    type("Second");
    m_messages.answer(MsgAnswer::Yes);
    m_dialogs.choose(other);
    OpenDescription();
    EXPECT_TRUE(holds(path, "Second"));
    EXPECT_EQ(shown(0), "Open|Open File|" + m_folder.path() + "~~|||4100|4711");
    EXPECT_EQ(m_dialogs.shown()[0].record.lpstrFilter, cFileDialog::ConvertFilter(Filter));
    EXPECT_EQ(Document().CurrentFileName, "Other.qvn");
    EXPECT_EQ(m_messages.shown().size(), 1u);
}

TEST_F(DocumentCommandsTest, SaveOfAVanishedFileAsksForAName)
{
    // Deleted since it was opened: the Save dialog proposes the old name in the old folder.
    const QString path = openBook();
    QFile::remove(path);
    type("Third");
    m_dialogs.choose(path);
    SaveDescription();
    EXPECT_EQ(shown(0), "Save|Save File|" + m_folder.path() + "~~|Book.qvn|qvn~~|0|4711");
    EXPECT_TRUE(Document().SharedFileDialog->CancelError());
    EXPECT_TRUE(holds(path, "Third"));
    EXPECT_FALSE(Document().DocumentDirty);
    EXPECT_TRUE(m_messages.shown().empty());

    // A location that cannot even be looked at counts as no file.
    Document().CurrentFolder = m_folder.write("plain", "not a folder");
    type("Fourth");
    m_dialogs.cancel();
    SaveDescription();
    EXPECT_EQ(m_dialogs.shown().size(), 2u);
}

TEST_F(DocumentCommandsTest, SaveAsAsksAboutAnExistingFileOnlyAsChosen)
{
    const QString taken = m_folder.write("Taken.qvn", "precious");
    const QString link = m_folder.file("Link.qvn");
    ASSERT_TRUE(QFile::link(taken, link));
    const QString extended = m_folder.write("notes.txt.qvn", "old");
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("Shelf"));
    type("Mine");
    m_messages.answer(MsgAnswer::No).answer(MsgAnswer::Yes);
    m_dialogs.choose(taken).choose(link).choose(m_folder.file("Shelf")).choose(m_folder.file("notes.txt"));
    SaveDescriptionAs();  // No leaves file and document as they were
    EXPECT_EQ(TempFolder::read(taken), "precious");
    EXPECT_TRUE(Document().CurrentFileName.isEmpty());
    EXPECT_TRUE(Document().DocumentDirty);
    SaveDescriptionAs();  // a link to a file is a file: asked, and Yes writes through it
    EXPECT_TRUE(holds(taken, "Mine"));
    // A folder is no file, and "notes.txt" is written as "notes.txt.qvn" without a second question.
    SaveDescriptionAs();
    EXPECT_TRUE(holds(m_folder.file("Shelf.qvn"), "Mine"));
    SaveDescriptionAs();
    EXPECT_TRUE(holds(extended, "Mine"));
    EXPECT_EQ(Document().CurrentFileName, "notes.txt.qvn");
    const QString question = "' already exists,\r\ndo you want to overwrite it?";
    EXPECT_EQ(m_messages.texts(), std::vector<QString>({"The file '" + taken + question, "The file '" + link + question}));
    EXPECT_EQ(std::make_tuple(m_messages.shown()[0].icon, m_messages.shown()[0].buttons, m_messages.shown()[0].caption),
              std::make_tuple(MsgIcon::Exclamation, MsgButtons::YesNo, QString("Quorvane")));
}

TEST_F(DocumentCommandsTest, AFailureInsideTheSaveDialogReadsAsACancel)
{
    Document().CurrentFileName = QString(1100, 'n');  // too long for the dialog's buffer
    type("Text");
    m_dialogs.choose(m_folder.file("Chosen.qvn")).cancel();
    SaveDescription();
    EXPECT_EQ(m_dialogs.shown().size(), 1u);  // shown, but the answer is dropped
    EXPECT_FALSE(QFileInfo::exists(m_folder.file("Chosen.qvn")));
    EXPECT_TRUE(Document().DocumentDirty);
    // Before the main window has created the shared object, the commands still work.
    Document().SharedFileDialog.reset();
    EXPECT_TRUE(ShowOpenDialog(Filter).isEmpty());
    EXPECT_NE(Document().SharedFileDialog, nullptr);
}
