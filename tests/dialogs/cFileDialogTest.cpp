#include "RuntimeError.h"
#include "ScriptedFileDialogs.h"
#include "cFileDialog.h"

#include <gtest/gtest.h>

namespace {
QString nuls(int n)
{
    return QString(n, QChar(0));
}
} // namespace

TEST(cFileDialog, DefaultsAndWhatAssignmentsPutIntoTheRecord)
{
    ScriptedFileDialogs dialogs;
    dialogs.cancel();
    cFileDialog d;
    EXPECT_FALSE(d.CancelError());
    EXPECT_EQ(d.FilterIndex(), 1);
    EXPECT_EQ(d.Flags(), 0);
    EXPECT_EQ(d.hWnd(), 0u);
    EXPECT_EQ(d.record().lStructSize, 76u);
    EXPECT_TRUE(d.FileName().isEmpty() && d.FileTitle().isEmpty() && d.Filter().isEmpty() && d.DefaultExt().isEmpty()
                && d.DialogTitle().isEmpty() && d.InitDir().isEmpty());

    // Bars and colons both separate; the text reads back as assigned.
    d.setFilter("Text: plain|*.txt|Quorvane Files (*.qvn)|*.qvn");
    EXPECT_EQ(d.Filter(), "Text: plain|*.txt|Quorvane Files (*.qvn)|*.qvn");
    d.setDefaultExt("qvn");
    d.setInitDir("/home/ann/books");
    d.setDialogTitle("Save File");
    d.setHWnd(4242);
    d.setFilterIndex(2);
    d.ShowSave();
    const FileDialogRecord& r = dialogs.shown().at(0).record;
    EXPECT_EQ(r.lpstrFilter,
              "Text" + nuls(1) + " plain" + nuls(1) + "*.txt" + nuls(1) + "Quorvane Files (*.qvn)" + nuls(1) + "*.qvn"
                  + nuls(2));
    EXPECT_EQ(r.lpstrDefExt, "qvn" + nuls(2));
    EXPECT_EQ(r.lpstrInitialDir, "/home/ann/books" + nuls(2));
    EXPECT_EQ(r.lpstrTitle, "Save File");
    EXPECT_EQ(r.hwndOwner, 4242u);
    EXPECT_EQ(r.nFilterIndex, 2);
}

TEST(cFileDialog, ASingleOpenPadsItsBuffersTo1024AndReadsBackPathIndexAndFlags)
{
    ScriptedFileDialogs dialogs;
    dialogs.reply([](FileDialogKind, FileDialogRecord& r) {
        r.nFilterIndex = 2;
        r.Flags |= FileDialogFlag::ExtensionDifferent;
        return ScriptedFileDialogs::fillFileBuffer(r, "/books/Garden.qvn" + nuls(1) + "junk");
    });
    dialogs.cancel();
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
    EXPECT_EQ(d.FileName(), "/books/Garden.qvn");  // cut at the first NUL
    EXPECT_EQ(d.FilterIndex(), 2);
    EXPECT_EQ(d.record().Flags, 4100 | 0x400);
    EXPECT_EQ(d.Flags(), 4100);
    // The next dialog starts from the assigned flags and the index written back.
    d.ShowOpen();
    EXPECT_EQ(dialogs.shown().at(1).record.Flags, 4100);
    EXPECT_EQ(dialogs.shown().at(1).record.nFilterIndex, 2);
}

TEST(cFileDialog, AMultiSelectOpenUses8192AndTheExplorerBitAndParsesBothCases)
{
    ScriptedFileDialogs dialogs;
    dialogs.choose("/books" + nuls(1) + "a.qvn" + nuls(1) + "b.qvn" + nuls(1));
    dialogs.choose("/books/a.qvn");
    cFileDialog d;
    d.setFlags(FileDialogFlag::AllowMultiSelect | FileDialogFlag::FileMustExist);
    d.ShowOpen();
    const FileDialogRecord& r = dialogs.shown().at(0).record;
    EXPECT_EQ(r.nMaxFile, 8192);
    EXPECT_EQ(r.nMaxFileTitle, 8192);
    EXPECT_EQ(r.Flags, 0x200 | 0x1000 | 0x80000);
    EXPECT_EQ(d.Flags(), 0x200 | 0x1000);
    EXPECT_EQ(d.FileName().size(), 8192);  // the whole buffer, NULs included

    QString dir;
    QStringList files{"kept"};
    qint32 count = 1;  // counts on from the caller's value
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(dir, "/books");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(files, QStringList({"kept", "a.qvn", "b.qvn"}));

    d.ShowOpen();
    count = 7;
    d.ParseMultiFileName(dir, files, count);
    EXPECT_EQ(dir, "/books/");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(files, QStringList({"a.qvn"}));

    d.setFileName("plain.qvn");
    d.ParseMultiFileName(dir, files, count);
    EXPECT_TRUE(dir.isEmpty());
    EXPECT_EQ(files, QStringList({"plain.qvn"}));
}

TEST(cFileDialog, CancelRulesForOpenAndSave)
{
    ScriptedFileDialogs dialogs;
    cFileDialog d;
    d.setFileName("kept.qvn");
    dialogs.cancel().cancel();
    d.ShowOpen();
    d.ShowSave();
    EXPECT_EQ(d.FileName(), "kept.qvn");  // CancelError off: nothing changes

    d.setCancelError(true);
    dialogs.cancel();
    try {
        d.ShowOpen();
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 32755);
        EXPECT_EQ(e.description(), "User selected cancel.");
        EXPECT_EQ(e.source(), "test_dialogs_filedialog.cFileDialog");
    }
    EXPECT_EQ(d.FileName(), "kept.qvn");

    // An answer that does not fit the buffer is a failed dialog: a cancel.
    dialogs.choose("/" + QString(1100, 'n'));
    EXPECT_THROW(d.ShowOpen(), RuntimeError);

    dialogs.cancel();
    EXPECT_NO_THROW(d.ShowSave());
    EXPECT_TRUE(d.FileName().isEmpty());
    EXPECT_EQ(dialogs.shown().back().record.nMaxFile, 1024);
}

TEST(cFileDialog, NamesThatCannotFitTheBufferFailBeforeAnyDialog)
{
    ScriptedFileDialogs dialogs;
    cFileDialog d;
    d.setFileName("keep");
    try {
        d.setFileName(QString(1025, 'x'));
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::InvalidProcedureCall);
    }
    EXPECT_EQ(d.FileName(), "keep");
    EXPECT_NO_THROW(d.setFileName(QString(1024, 'x')));

    d.setFileTitle(QString(1025, 't'));
    EXPECT_THROW(d.ShowOpen(), RuntimeError);
    EXPECT_THROW(d.ShowSave(), RuntimeError);
    d.setFlags(FileDialogFlag::AllowMultiSelect);  // room for 8192
    dialogs.cancel();
    EXPECT_NO_THROW(d.ShowOpen());
    d.setFileTitle(QString(8193, 't'));
    EXPECT_THROW(d.ShowOpen(), RuntimeError);
    EXPECT_EQ(dialogs.shown().size(), 1u);
}
