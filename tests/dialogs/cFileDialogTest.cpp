#include "RuntimeError.h"
#include "ScriptedFileDialogs.h"
#include "cFileDialog.h"

#include <functional>
#include <tuple>

#include <gtest/gtest.h>

namespace {
QString nuls(int n)
{
    return QString(n, QChar(0));
}

// What a call raises; number 0 when it raises nothing.
RuntimeError raised(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RuntimeError& e) {
        return e;
    }
    return RuntimeError(0, "nothing raised");
}

// ParseMultiFileName's answer, "folder|count|names", for a caller whose list holds "kept".
QString parsed(const cFileDialog& d, qint32 count)
{
    QString dir;
    QStringList files{"kept"};
    d.ParseMultiFileName(dir, files, count);
    return dir + "|" + QString::number(count) + "|" + files.join(',');
}
} // namespace

TEST(cFileDialog, FillsTheRecordAndReadsBackPathIndexAndFlags)
{
    ScriptedFileDialogs dialogs;
    dialogs.reply([](FileDialogKind, FileDialogRecord& r) {
        r.nFilterIndex = 2;
        r.Flags |= FileDialogFlag::ExtensionDifferent;
        return ScriptedFileDialogs::fillFileBuffer(r, "/books/Garden.qvn" + nuls(1) + "junk");
    });
    dialogs.cancel();
    cFileDialog d;
    // Bars and colons both separate; the text reads back as assigned.
    d.setFilter("Text: plain|*.txt|Quorvane Files (*.qvn)|*.qvn");
    d.setFileName("start.qvn");
    d.setFileTitle("start");
    d.setFlags(4100);
    d.ShowOpen();
    EXPECT_EQ(d.Filter(), "Text: plain|*.txt|Quorvane Files (*.qvn)|*.qvn");
    const FileDialogRecord& r = dialogs.shown().at(0).record;
    EXPECT_EQ(r.lpstrFilter, "Text" + nuls(1) + " plain" + nuls(1) + "*.txt" + nuls(1) + "Quorvane Files (*.qvn)"
                                 + nuls(1) + "*.qvn" + nuls(2));
    EXPECT_EQ(r.nFilterIndex, 1);
    EXPECT_EQ(r.lpstrFile, "start.qvn" + nuls(1024 - 9));
    EXPECT_EQ(r.lpstrFileTitle, "start" + nuls(1024 - 5));
    EXPECT_EQ(std::make_pair(r.nMaxFile, r.nMaxFileTitle), std::make_pair(1024, 1024));
    EXPECT_EQ(r.Flags, 4100);

    // Cut at the first NUL; the flags as assigned.
    EXPECT_EQ(std::make_tuple(d.FileName(), d.FilterIndex(), d.Flags()), std::make_tuple(QString("/books/Garden.qvn"), 2, 4100));
    // The next dialog starts from the assigned flags and the index written back.
    d.ShowSave();
    EXPECT_EQ(std::make_pair(dialogs.shown().at(1).record.Flags, dialogs.shown()[1].record.nFilterIndex),
              std::make_pair(4100, 2));
}

TEST(cFileDialog, AMultiSelectOpenUses8192AndTheExplorerBitAndParsesBothCases)
{
    ScriptedFileDialogs dialogs;
    dialogs.choose("/books" + nuls(1) + "a.qvn" + nuls(1) + "b.qvn" + nuls(1)).choose("/books/a.qvn");
    cFileDialog d;
    d.setFlags(FileDialogFlag::AllowMultiSelect | FileDialogFlag::FileMustExist);
    d.ShowOpen();
    const FileDialogRecord& r = dialogs.shown().at(0).record;
    EXPECT_EQ(std::make_pair(r.nMaxFile, r.nMaxFileTitle), std::make_pair(8192, 8192));
    EXPECT_EQ(r.Flags, 0x200 | 0x1000 | 0x80000);
    EXPECT_EQ(d.FileName().size(), 8192);                   // the whole buffer, NULs included
    EXPECT_EQ(parsed(d, 1), "/books|3|kept,a.qvn,b.qvn");  // counts on from the caller's value
    d.ShowOpen();
    EXPECT_EQ(parsed(d, 7), "/books/|1|a.qvn");
    d.setFileName("plain.qvn");
    EXPECT_EQ(parsed(d, 0), "|1|plain.qvn");
}

TEST(cFileDialog, CancelRulesAndBufferLimits)
{
    ScriptedFileDialogs dialogs;
    cFileDialog d;
    d.setFileName("kept.qvn");
    dialogs.cancel().cancel().cancel();
    d.ShowOpen();
    d.ShowSave();
    EXPECT_EQ(d.FileName(), "kept.qvn");  // CancelError off: nothing changes
    d.setCancelError(true);
    const RuntimeError cancel = raised([&] { d.ShowOpen(); });
    EXPECT_EQ(std::make_tuple(cancel.number(), cancel.description(), cancel.source()),
              std::make_tuple(32755, QString("User selected cancel."), QString("test_dialogs_filedialog.cFileDialog")));
    EXPECT_EQ(d.FileName(), "kept.qvn");
    // An answer that does not fit the buffer is a failed dialog: a cancel.
    dialogs.choose("/" + QString(1100, 'n')).cancel();
    EXPECT_EQ(raised([&] { d.ShowOpen(); }).number(), 32755);
    EXPECT_EQ(raised([&] { d.ShowSave(); }).number(), 0);
    EXPECT_TRUE(d.FileName().isEmpty());

    // Names that cannot fit the buffer fail before any dialog shows.
    EXPECT_EQ(raised([&] { d.setFileName(QString(1025, 'x')); }).number(), ErrorNumber::InvalidProcedureCall);
    EXPECT_TRUE(d.FileName().isEmpty());
    EXPECT_EQ(raised([&] { d.setFileName(QString(1024, 'x')); }).number(), 0);
    d.setFileTitle(QString(1025, 't'));
    EXPECT_EQ(raised([&] { d.ShowOpen(); }).number(), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(raised([&] { d.ShowSave(); }).number(), ErrorNumber::InvalidProcedureCall);
    d.setFlags(FileDialogFlag::AllowMultiSelect);  // room for 8192
    d.setCancelError(false);
    dialogs.cancel();
    EXPECT_EQ(raised([&] { d.ShowOpen(); }).number(), 0);
    d.setFileTitle(QString(8193, 't'));
    EXPECT_EQ(raised([&] { d.ShowOpen(); }).number(), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(dialogs.shown().size(), 6u);
}
