#include "QtFileDialogBackend.h"
#include "TempFolder.h"
#include "cFileDialog.h"
#include "ModalDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QChar Nul(0);

class QtFileDialogBackendTest : public ::testing::Test {
protected:
    void SetUp() override { m_previous = SetFileDialogBackend(&m_backend); }
    void TearDown() override { SetFileDialogBackend(m_previous); }

    // Types into the dialog's name box and presses Enter, as a person does.
    static void typeAndEnter(QFileDialog* dialog, const QString& text)
    {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QtFileDialogBackend m_backend;
    FileDialogBackend* m_previous = nullptr;
    TempFolder m_folder;
};
} // namespace

TEST(QtFileDialogBackendFilters, PairsBecomeNameFiltersWithTheirPatterns)
{
    EXPECT_EQ(QtFileDialogBackend::NameFilters(cFileDialog::ConvertFilter("Quorvane Files (*.qvn)|*.qvn")),
              QStringList({"Quorvane Files (*.qvn) (*.qvn)"}));
    EXPECT_EQ(QtFileDialogBackend::NameFilters(cFileDialog::ConvertFilter("Text|*.txt;*.text|All|*.*|Odd")),
              QStringList({"Text (*.txt *.text)", "All (*.*)"}));
    EXPECT_TRUE(QtFileDialogBackend::NameFilters(QString()).isEmpty());

    const QStringList filters{"Text (*.txt) (*.txt)", "Quorvane Files (*.qvn) (*.qvn)"};
    EXPECT_EQ(QtFileDialogBackend::SelectedFilterIndex(filters, "Quorvane Files (*.qvn)"), 2);
    EXPECT_EQ(QtFileDialogBackend::SelectedFilterIndex(filters, "Text (*.txt) (*.txt)"), 1);
}

TEST(QtFileDialogBackendFilters, TheStartFolderComesFromTheNameTheFolderOrTheHome)
{
    TempFolder folder;
    EXPECT_EQ(QtFileDialogBackend::StartFolder(folder.path(), "a.qvn"), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(QtFileDialogBackend::StartFolder(folder.path(), "/srv/elsewhere/a.qvn"), "/srv/elsewhere");
    const QString fallback = QtFileDialogBackend::StartFolder(QString(), QString());
    EXPECT_TRUE(fallback == QDir::homePath() || fallback.startsWith(QDir::homePath() + "/"));
    EXPECT_EQ(QtFileDialogBackend::StartFolder(folder.file("gone"), QString()), fallback);
}

TEST_F(QtFileDialogBackendTest, OpenShowsTitleFolderAndFiltersAndReturnsTheChosenFile)
{
    m_folder.write("Garden.qvn", "x");
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

    cFileDialog d;
    d.setDialogTitle("Open File");
    d.setInitDir(m_folder.path());
    d.setFilter("Text (*.txt)|*.txt|Quorvane Files (*.qvn)|*.qvn");
    d.setFilterIndex(2);
    d.setFlags(4100);
    d.setHWnd(owner.winId());

    bool seen = false;
    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), "Open File");
        EXPECT_EQ(dialog->parentWidget(), &owner);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(QFileInfo(dialog->directory().path()), QFileInfo(m_folder.path()));
        // The list shows the description as written, without a second pattern.
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->currentText(), "Quorvane Files (*.qvn)");
        typeAndEnter(dialog, "Garden.qvn");
    });
    d.ShowOpen();
    EXPECT_TRUE(seen);
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(m_folder.file("Garden.qvn")));
    EXPECT_EQ(d.FilterIndex(), 2);
}

TEST_F(QtFileDialogBackendTest, OpenOfAMissingFileStaysOpenUntilCancelled)
{
    cFileDialog d;
    d.setInitDir(m_folder.path());
    d.setFlags(4100);
    d.setFileName("before");
    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        // Depending on how far the listing has loaded, the dialog either keeps its Open
        // button disabled or says "File not found" itself; either way it stays open.
        WhenModalShows<QMessageBox>([](QMessageBox* box) { box->accept(); }, 1000);
        typeAndEnter(dialog, "missing.qvn");
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    d.ShowOpen();
    EXPECT_EQ(d.FileName(), "before");
}

TEST_F(QtFileDialogBackendTest, SaveAddsTheDefaultSuffixAndNeverAsksAboutOverwritingByItself)
{
    m_folder.write("Taken.qvn", "x");
    cFileDialog d;
    d.setDialogTitle("Save File");
    d.setInitDir(m_folder.path());
    d.setFilter("Quorvane Files (*.qvn)|*.qvn");
    d.setDefaultExt("qvn");
    d.setFileName("Proposed.qvn");
    d.setCancelError(true);

    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        EXPECT_EQ(edit->text(), "Proposed.qvn");
        typeAndEnter(dialog, "Chapter");
    });
    d.ShowSave();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(m_folder.file("Chapter.qvn")));
    EXPECT_EQ(d.record().Flags & FileDialogFlag::ExtensionDifferent, 0);

    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) { typeAndEnter(dialog, "Taken.qvn"); });
    d.ShowSave();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(m_folder.file("Taken.qvn")));

    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) { typeAndEnter(dialog, "notes.txt"); });
    d.ShowSave();
    EXPECT_EQ(QFileInfo(d.FileName()).fileName(), "notes.txt");
    EXPECT_NE(d.record().Flags & FileDialogFlag::ExtensionDifferent, 0);
}

TEST_F(QtFileDialogBackendTest, TheOverwritePromptFlagLetsTheDialogAsk)
{
    cFileDialog d;
    d.setFlags(FileDialogFlag::OverwritePrompt);
    d.setCancelError(true);
    WhenModalShows<QFileDialog>([](QFileDialog* dialog) {
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->reject();
    });
    d.ShowSave();
    EXPECT_TRUE(d.FileName().isEmpty());
}

TEST_F(QtFileDialogBackendTest, MultiSelectWritesTheFolderAndNamesNulSeparated)
{
    m_folder.write("a.qvn", "x");
    m_folder.write("b.qvn", "x");
    cFileDialog d;
    d.setInitDir(m_folder.path());
    d.setFlags(FileDialogFlag::AllowMultiSelect | FileDialogFlag::FileMustExist);
    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        typeAndEnter(dialog, "\"a.qvn\" \"b.qvn\"");
    });
    d.ShowOpen();
    QString dir;
    QStringList files;
    qint32 count = 0;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(QFileInfo(dir), QFileInfo(m_folder.path()));
    EXPECT_EQ(count, 2);
    files.sort();
    EXPECT_EQ(files, QStringList({"a.qvn", "b.qvn"}));
    EXPECT_TRUE(d.FileName().contains(QString(2, Nul)));
}
