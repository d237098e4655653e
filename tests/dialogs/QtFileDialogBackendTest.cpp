#include "ModalDialogs.h"
#include "QtFileDialogBackend.h"
#include "TempFolder.h"
#include "cFileDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPushButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Qt's file dialog behind cFileDialog, driven by typing into it as a person does.
class QtFileDialogBackendTest : public ::testing::Test {
protected:
    void SetUp() override { m_previous = SetFileDialogBackend(&m_backend); }
    void TearDown() override { SetFileDialogBackend(m_previous); }

    // Types a name and clicks Open or Save; a name the dialog must take closes it.
    static void typeAndAccept(QFileDialog* dialog, const QString& text, bool taken = true)
    {
        // Like a person, wait until the folder's files are listed.
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex folder = model->index(dialog->directory().absolutePath());
        for (int i = 0; i < 200 && model->rowCount(folder) == 0; ++i)
            QTest::qWait(10);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->clear();
        // The quotes of several names upset the completion while typing: those are pasted.
        if (text.startsWith(QLatin1Char('"')))
            edit->setText(text);
        else
            QTest::keyClicks(edit, text);
        // Once the listing has loaded, the completer's list pops up and would take the click.
        if (QWidget* popup = edit->completer() ? edit->completer()->popup() : nullptr)
            popup->hide();
        auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QAbstractButton* accept = box->button(QDialogButtonBox::Open);
        if (!accept)
            accept = box->button(QDialogButtonBox::Save);
        ASSERT_NE(accept, nullptr);
        EXPECT_TRUE(!taken || accept->isEnabled()) << text.toStdString();
        QTest::mouseClick(accept, Qt::LeftButton);
        if (taken)
            mustBeClosed(dialog);
    }

    // A dialog left open would hang the test: fail and close it.
    static void mustBeClosed(QFileDialog* dialog)
    {
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog->reject();
        }
    }

    QtFileDialogBackend m_backend;
    FileDialogBackend* m_previous = nullptr;
    TempFolder m_folder;
};
} // namespace

TEST(QtFileDialogBackendParts, FiltersStartFolderAndSelectedIndex)
{
    const QStringList filters =
        QtFileDialogBackend::NameFilters(cFileDialog::ConvertFilter("Text|*.txt;*.text|Quorvane Files (*.qvn)|*.qvn|Odd"));
    EXPECT_EQ(filters, QStringList({"Text (*.txt *.text)", "Quorvane Files (*.qvn) (*.qvn)"}));
    // The dialog reports the shown form, without the pattern part it hides.
    EXPECT_EQ(QtFileDialogBackend::SelectedFilterIndex(filters, "Quorvane Files (*.qvn)"), 2);
    EXPECT_EQ(QtFileDialogBackend::SelectedFilterIndex(filters, "Text (*.txt *.text)"), 1);

    TempFolder folder;
    EXPECT_EQ(QtFileDialogBackend::StartFolder(folder.path(), "a.qvn"), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(QtFileDialogBackend::StartFolder(folder.path(), "/srv/elsewhere/a.qvn"), "/srv/elsewhere");
    const QString fallback = QtFileDialogBackend::StartFolder(QString(), QString());
    EXPECT_TRUE(fallback == QDir::homePath() || fallback.startsWith(QDir::homePath() + "/"));
    EXPECT_EQ(QtFileDialogBackend::StartFolder(folder.file("gone"), QString()), fallback);
}

TEST_F(QtFileDialogBackendTest, OpenWantsAnExistingFileAndGivesBackItsPathAndFilter)
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

    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Open File");
        EXPECT_EQ(dialog->parentWidget(), &owner);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(QFileInfo(dialog->directory().path()), QFileInfo(m_folder.path()));
        EXPECT_EQ(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText(),
                  "Quorvane Files (*.qvn)");
        typeAndAccept(dialog, "Garden.qvn");
    });
    d.ShowOpen();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(m_folder.file("Garden.qvn")));
    EXPECT_EQ(d.FilterIndex(), 2);

    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        // Depending on how far the listing has loaded, Open stays disabled or the dialog
        // says "File not found" itself; either way it stays open.
        WhenModalShows<QMessageBox>([](QMessageBox* box) { box->accept(); }, 1000);
        typeAndAccept(dialog, "missing.qvn", false);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    d.ShowOpen();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(m_folder.file("Garden.qvn")));
}

TEST_F(QtFileDialogBackendTest, SaveAddsTheDefaultSuffixAndAsksAboutOverwritingOnlyWhenFlagged)
{
    m_folder.write("Taken.qvn", "x");
    cFileDialog d;
    d.setInitDir(m_folder.path());
    d.setFilter("Quorvane Files (*.qvn)|*.qvn");
    d.setDefaultExt("qvn");
    d.setFileName("Proposed.qvn");
    d.setCancelError(true);

    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), "Proposed.qvn");
        typeAndAccept(dialog, "Chapter");
    });
    d.ShowSave();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(m_folder.file("Chapter.qvn")));
    EXPECT_EQ(d.record().Flags & FileDialogFlag::ExtensionDifferent, 0);

    // An existing file is taken as it is: the program asks its own question. (No name is
    // proposed from here on: a proposal selected once the listing loads would replace typing.)
    d.setFileName(QString());
    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) { typeAndAccept(dialog, "Taken.qvn"); });
    d.ShowSave();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(m_folder.file("Taken.qvn")));

    d.setFileName(QString());
    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) { typeAndAccept(dialog, "notes.txt"); });
    d.ShowSave();
    EXPECT_EQ(QFileInfo(d.FileName()).fileName(), "notes.txt");
    EXPECT_NE(d.record().Flags & FileDialogFlag::ExtensionDifferent, 0);

    d.setFlags(FileDialogFlag::OverwritePrompt);
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
        typeAndAccept(dialog, "\"a.qvn\" \"b.qvn\"");
    });
    d.ShowOpen();
    QString dir;
    QStringList files;
    qint32 count = 0;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(QFileInfo(dir), QFileInfo(m_folder.path()));
    files.sort();
    EXPECT_EQ(files, QStringList({"a.qvn", "b.qvn"}));
}
