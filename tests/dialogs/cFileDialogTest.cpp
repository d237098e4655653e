#include "RuntimeError.h"
#include "ScriptedFileDialogs.h"
#include "cFileDialog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {
const QChar Nul(0);

QString nuls(int n)
{
    return QString(n, Nul);
}
} // namespace

TEST(cFileDialog, ANewInstanceHasTheDefaults)
{
    const cFileDialog d;
    EXPECT_FALSE(d.CancelError());
    EXPECT_TRUE(d.FileName().isEmpty());
    EXPECT_TRUE(d.FileTitle().isEmpty());
    EXPECT_TRUE(d.Filter().isEmpty());
    EXPECT_EQ(d.FilterIndex(), 1);
    EXPECT_TRUE(d.DefaultExt().isEmpty());
    EXPECT_TRUE(d.DialogTitle().isEmpty());
    EXPECT_EQ(d.Flags(), 0);
    EXPECT_EQ(d.hWnd(), 0u);
    EXPECT_TRUE(d.InitDir().isEmpty());
    EXPECT_EQ(d.record().lStructSize, 76u);
}

TEST(cFileDialog, FilterBarsAndColonsBecomeNulsAndTheTextReadsBackAsAssigned)
{
    cFileDialog d;
    d.setFilter("Quorvane Files (*.qvn)|*.qvn");
    EXPECT_EQ(d.Filter(), "Quorvane Files (*.qvn)|*.qvn");
    EXPECT_EQ(d.record().lpstrFilter, "Quorvane Files (*.qvn)" + nuls(1) + "*.qvn" + nuls(2));

    d.setFilter("Text (*.txt)|*.txt|All (*.*)|*.*");
    EXPECT_EQ(d.record().lpstrFilter,
              "Text (*.txt)" + nuls(1) + "*.txt" + nuls(1) + "All (*.*)" + nuls(1) + "*.*" + nuls(2));
    EXPECT_EQ(d.record().lpstrFilter.split(Nul).size(), 6);  // four fields, then two NULs

    d.setFilter("Notes: plain|*.txt");
    EXPECT_EQ(d.record().lpstrFilter, "Notes" + nuls(1) + " plain" + nuls(1) + "*.txt" + nuls(2));
    EXPECT_EQ(d.Filter(), "Notes: plain|*.txt");
}

TEST(cFileDialog, DefaultExtInitDirAndTitleReachTheRecord)
{
    ScriptedFileDialogs dialogs;
    dialogs.cancel();
    cFileDialog d;
    d.setDefaultExt("qvn");
    d.setInitDir("/home/ann/books");
    d.setDialogTitle("Save File");
    d.setHWnd(4242);
    d.setFilterIndex(2);
    EXPECT_EQ(d.DefaultExt(), "qvn");
    EXPECT_EQ(d.InitDir(), "/home/ann/books");
    EXPECT_EQ(d.DialogTitle(), "Save File");
    d.ShowSave();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const FileDialogRecord& r = dialogs.shown()[0].record;
    EXPECT_EQ(dialogs.shown()[0].kind, FileDialogKind::Save);
    EXPECT_EQ(r.lpstrDefExt, "qvn" + nuls(2));
    EXPECT_EQ(r.lpstrInitialDir, "/home/ann/books" + nuls(2));
    EXPECT_EQ(r.lpstrTitle, "Save File");
    EXPECT_EQ(r.hwndOwner, 4242u);
    EXPECT_EQ(r.nFilterIndex, 2);
}

TEST(cFileDialog, ASingleOpenUsesA1024BufferAndGivesTheChosenPath)
{
    ScriptedFileDialogs dialogs;
    dialogs.choose("/home/ann/books/Garden.qvn");
    cFileDialog d;
    d.setFileName("start.qvn");
    d.setFileTitle("start");
    d.setFlags(4100);
    d.ShowOpen();
    const FileDialogRecord& r = dialogs.shown().at(0).record;
    EXPECT_EQ(dialogs.shown()[0].kind, FileDialogKind::Open);
    EXPECT_EQ(r.nMaxFile, 1024);
    EXPECT_EQ(r.lpstrFile, "start.qvn" + nuls(1024 - 9));
    EXPECT_EQ(r.nMaxFileTitle, 1024);
    EXPECT_EQ(r.lpstrFileTitle, "start" + nuls(1024 - 5));
    EXPECT_EQ(r.Flags, 4100);
    EXPECT_EQ(d.FileName(), "/home/ann/books/Garden.qvn");
    EXPECT_EQ(d.FileTitle(), "start");
}

TEST(cFileDialog, AMultiSelectOpenAddsTheExplorerBitAndKeepsTheWholeBuffer)
{
    ScriptedFileDialogs dialogs;
    dialogs.chooseMany("/home/ann/books", {"a.qvn", "b.qvn"});
    cFileDialog d;
    d.setFlags(FileDialogFlag::AllowMultiSelect | FileDialogFlag::FileMustExist);
    d.ShowOpen();
    const FileDialogRecord& r = dialogs.shown().at(0).record;
    EXPECT_EQ(r.nMaxFile, 8192);
    EXPECT_EQ(r.lpstrFile.size(), 8192);
    EXPECT_EQ(r.nMaxFileTitle, 8192);
    EXPECT_EQ(r.Flags, 0x200 | 0x1000 | 0x80000);
    EXPECT_EQ(d.Flags(), 0x200 | 0x1000);  // the saved copy, without the explorer bit
    EXPECT_EQ(d.FileName().size(), 8192);
    EXPECT_TRUE(d.FileName().startsWith("/home/ann/books" + nuls(1) + "a.qvn" + nuls(1) + "b.qvn" + nuls(2)));

    QString dir;
    QStringList files;
    qint32 count = 0;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(dir, "/home/ann/books");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(files, QStringList({"a.qvn", "b.qvn"}));
}

TEST(cFileDialog, ParsingOneChosenFileKeepsTheTrailingSeparatorOnTheFolder)
{
    ScriptedFileDialogs dialogs;
    dialogs.choose("/home/ann/books/a.qvn");
    cFileDialog d;
    d.setFlags(FileDialogFlag::AllowMultiSelect);
    d.ShowOpen();
    QString dir;
    QStringList files{"old", "older", "oldest"};
    qint32 count = 7;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(dir, "/home/ann/books/");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(files, QStringList({"a.qvn"}));
}

TEST(cFileDialog, ParsingCountsOnFromTheCallersCountAndAcceptsABareName)
{
    cFileDialog d;
    d.setFileName("/books" + nuls(1) + "c.qvn" + nuls(2));
    QString dir;
    QStringList files{"kept"};
    qint32 count = 1;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(dir, "/books");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(files, QStringList({"kept", "c.qvn"}));

    d.setFileName("plain.qvn");
    count = 0;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_TRUE(dir.isEmpty());
    EXPECT_EQ(count, 1);
    EXPECT_EQ(files, QStringList({"plain.qvn"}));
}

TEST(cFileDialog, ACancelledOpenWithoutCancelErrorChangesNothing)
{
    ScriptedFileDialogs dialogs;
    dialogs.cancel().cancel();
    cFileDialog d;
    d.setFileName("");
    d.ShowOpen();
    EXPECT_TRUE(d.FileName().isEmpty());

    d.setFileName("kept.qvn");
    d.ShowOpen();
    EXPECT_EQ(d.FileName(), "kept.qvn");
}

TEST(cFileDialog, ACancelledOpenWithCancelErrorRaises32755)
{
    ScriptedFileDialogs dialogs;
    dialogs.cancel();
    cFileDialog d;
    d.setCancelError(true);
    d.setFileName("kept.qvn");
    try {
        d.ShowOpen();
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 32755);
        EXPECT_EQ(e.description(), "User selected cancel.");
        const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        EXPECT_EQ(e.source(), exe + ".cFileDialog");
        EXPECT_EQ(e.source(), "test_dialogs_filedialog.cFileDialog");
    }
    EXPECT_EQ(d.FileName(), "kept.qvn");
}

TEST(cFileDialog, ACancelledSaveEmptiesFileNameOnlyWithCancelError)
{
    ScriptedFileDialogs dialogs;
    dialogs.cancel().cancel();
    cFileDialog d;
    d.setFileName("Garden.qvn");
    d.ShowSave();
    EXPECT_EQ(d.FileName(), "Garden.qvn");

    d.setCancelError(true);
    EXPECT_NO_THROW(d.ShowSave());
    EXPECT_TRUE(d.FileName().isEmpty());
}

TEST(cFileDialog, WithoutABackendEveryDialogIsACancel)
{
    cFileDialog d;
    d.setFileName("x.qvn");
    d.setCancelError(true);
    d.ShowSave();
    EXPECT_TRUE(d.FileName().isEmpty());
    EXPECT_THROW(d.ShowOpen(), RuntimeError);
}

TEST(cFileDialog, TheSaveBufferIsAlways1024AndTheChosenPathIsCutAtItsFirstNul)
{
    ScriptedFileDialogs dialogs;
    dialogs.reply([](FileDialogKind, FileDialogRecord& r) {
        r.lpstrFile = "/tmp/a.qvn" + nuls(1) + "junk" + nuls(r.nMaxFile - 15);
        return 1;
    });
    cFileDialog d;
    d.setFlags(FileDialogFlag::AllowMultiSelect);
    d.ShowSave();
    EXPECT_EQ(dialogs.shown().at(0).record.nMaxFile, 1024);
    EXPECT_EQ(dialogs.shown().at(0).record.Flags, 0x200);  // no explorer bit for Save
    EXPECT_EQ(d.FileName(), "/tmp/a.qvn");
}

TEST(cFileDialog, FilterIndexAndFlagsWrittenBackByTheDialog)
{
    ScriptedFileDialogs dialogs;
    dialogs.reply([](FileDialogKind, FileDialogRecord& r) {
        r.nFilterIndex = 2;
        r.Flags |= FileDialogFlag::ExtensionDifferent;
        return ScriptedFileDialogs::fillFileBuffer(r, "/tmp/a.txt");
    });
    dialogs.cancel();
    cFileDialog d;
    d.setFlags(4100);
    d.ShowOpen();
    EXPECT_EQ(d.FilterIndex(), 2);
    EXPECT_EQ(d.record().Flags, 4100 | 0x400);
    EXPECT_EQ(d.Flags(), 4100);
    // The next dialog starts from the assigned flags and the written-back index.
    d.ShowOpen();
    EXPECT_EQ(dialogs.shown().at(1).record.Flags, 4100);
    EXPECT_EQ(dialogs.shown().at(1).record.nFilterIndex, 2);
}

TEST(cFileDialog, NamesThatCannotFitTheBufferFailBeforeAnyDialog)
{
    ScriptedFileDialogs dialogs;
    cFileDialog d;
    d.setFileName("keep");
    try {
        d.setFileName(QString(1025, 'x'));
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::InvalidProcedureCall);
    }
    EXPECT_EQ(d.FileName(), "keep");
    EXPECT_NO_THROW(d.setFileName(QString(1024, 'x')));

    d.setFileName("ok");
    d.setFileTitle(QString(1025, 't'));
    EXPECT_THROW(d.ShowOpen(), RuntimeError);
    EXPECT_THROW(d.ShowSave(), RuntimeError);
    // A multi-select Open has room for 8192 characters.
    d.setFlags(FileDialogFlag::AllowMultiSelect);
    dialogs.cancel();
    EXPECT_NO_THROW(d.ShowOpen());
    d.setFileTitle(QString(8193, 't'));
    EXPECT_THROW(d.ShowOpen(), RuntimeError);
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST(cFileDialog, AnAnswerTooLongForTheBufferIsTreatedAsACancel)
{
    ScriptedFileDialogs dialogs;
    dialogs.choose("/" + QString(1100, 'n'));
    cFileDialog d;
    d.setFileName("kept");
    d.setCancelError(true);
    EXPECT_THROW(d.ShowOpen(), RuntimeError);
    EXPECT_EQ(d.FileName(), "kept");
}
