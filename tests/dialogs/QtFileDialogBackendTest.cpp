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
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Once the folder is listed, types a name as a person does and clicks Open or Save; the
// dialog must take it. (Several quoted names upset the completion while typing: those are pasted.)
void typeAndAccept(QFileDialog* dialog, const QString& text)
{
    auto* model = dialog->findChild<QFileSystemModel*>();
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_TRUE(model && edit && buttons);
    (void)QTest::qWaitFor([&] { return model->rowCount(model->index(dialog->directory().absolutePath())) > 0; }, 2000);
    edit->clear();
    text.startsWith('"') ? edit->setText(text) : QTest::keyClicks(edit, text);
    edit->completer()->popup()->hide();  // it pops up once the listing is there and would take the click
    QPushButton* open = buttons->button(QDialogButtonBox::Open);
    QTest::mouseClick(open ? open : buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
    if (dialog->isVisible()) {
        ADD_FAILURE() << "the dialog did not take " << text.toStdString();
        dialog->reject();
    }
}
} // namespace

// Qt's dialog behind cFileDialog on the display, as the program shows it: over its owner,
// filled from the record, with the choice written back.
TEST(QtFileDialogBackend, ShowsTheRecordAndWritesTheChoiceBack)
{
    QtFileDialogBackend backend;
    FileDialogBackend* previous = SetFileDialogBackend(&backend);
    TempFolder folder;
    folder.write("Garden.qvn", "x");
    folder.write("Notes.qvn", "x");
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    cFileDialog d;
    d.setInitDir(folder.path());
    d.setHWnd(owner.winId());
    d.setDialogTitle("Open File");
    d.setFilter("Text (*.txt)|*.txt|Quorvane Files (*.qvn)|*.qvn");
    d.setFilterIndex(2);
    d.setFlags(4100);
    auto watch = OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(dialog->windowTitle(), "Open File");
        EXPECT_EQ(dialog->parentWidget(), &owner);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(QFileInfo(dialog->directory().path()), QFileInfo(folder.path()));
        EXPECT_EQ(dialog->findChild<QComboBox*>("fileTypeCombo")->currentText(), "Quorvane Files (*.qvn)");
        typeAndAccept(dialog, "Garden.qvn");
    });
    d.ShowOpen();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(folder.file("Garden.qvn")));
    EXPECT_EQ(d.FilterIndex(), 2);

    // Several files come back as the folder and the names, NUL-separated.
    d.setFileName(QString());
    d.setFlags(FileDialogFlag::AllowMultiSelect | FileDialogFlag::FileMustExist);
    watch = OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        typeAndAccept(dialog, "\"Garden.qvn\" \"Notes.qvn\"");
    });
    d.ShowOpen();
    QString dir;
    QStringList files;
    qint32 count = 0;
    d.ParseMultiFileName(dir, files, count);
    files.sort();
    EXPECT_EQ(QFileInfo(dir), QFileInfo(folder.path()));
    EXPECT_EQ(files, QStringList({"Garden.qvn", "Notes.qvn"}));

    // Save adds the default suffix, over a proposed name; the program asks its own overwrite
    // question, so the dialog asks none.
    d.setFileName("Proposed.qvn");
    d.setDefaultExt("qvn");
    d.setFlags(0);
    watch = OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), "Proposed.qvn");
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        typeAndAccept(dialog, "Chapter");
    });
    d.ShowSave();
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(folder.file("Chapter.qvn")));
    SetFileDialogBackend(previous);

    // A start folder that has gone: the user's own folders.
    const QString fallback = QtFileDialogBackend::StartFolder(folder.file("gone"), QString());
    EXPECT_TRUE(fallback == QDir::homePath() || fallback.startsWith(QDir::homePath() + "/"));
}
