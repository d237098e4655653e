// The Open and Save dialogs' size: their list's columns fit at first, and the size the
// user leaves them at comes back next time, also in the next run.
#include "FileDialogSize.h"
#include "ModalDialogs.h"
#include "QtFileDialogBackend.h"
#include "SettingsStore.h"
#include "TempFolder.h"
#include "cFileDialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QStandardPaths>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {
// Shows the Open dialog on the folder and hands it to look, which closes it.
void showOpen(const QString& folder, const std::function<void(QFileDialog*)>& look)
{
    QtFileDialogBackend backend;
    FileDialogBackend* previous = SetFileDialogBackend(&backend);
    cFileDialog d;
    d.setInitDir(folder);
    d.setFilter("All files (*.*)|*");
    bool looked = false;
    auto watch = OnNextModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        looked = true;
        look(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    d.ShowOpen();
    EXPECT_TRUE(looked);
    SetFileDialogBackend(previous);
}
} // namespace

TEST(FileDialogSize, ColumnsFitAtFirstAndTheLastSizeComesBack)
{
    // A first run: nothing stored yet, neither by us nor by Qt's dialog (its column widths).
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile::remove(config + "/Quorvane/Quorvane.conf");
    QFile::remove(config + "/QtProject.conf");
    TempFolder folder;
    folder.write("A description with a rather long name.qvn", QByteArray(487, 'x'));
    folder.write("Notes.qvn", "x");

    showOpen(folder.path(), [](QFileDialog* dialog) {
        EXPECT_EQ(dialog->size(), FileDialogSize::First);
        auto* model = dialog->findChild<QFileSystemModel*>();
        auto* list = dialog->findChild<QTreeView*>("treeView");
        ASSERT_TRUE(model && list);
        dialog->setViewMode(QFileDialog::Detail);
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(model->index(dialog->directory().absolutePath())) == 2; }, 10000));
        // Nothing in the size, type and date columns is cut, and all four fit in the list.
        const QModelIndex parent = model->index(dialog->directory().absolutePath());
        const auto fits = [&](int column) {
            for (int row = 0; row < model->rowCount(parent); ++row) {
                if (list->sizeHintForIndex(model->index(row, column, parent)).width() > list->columnWidth(column))
                    return false;
            }
            return true;
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return fits(1) && fits(2) && fits(3); }, 10000))
            << list->columnWidth(1) << ' ' << list->columnWidth(2) << ' ' << list->columnWidth(3) << ' '
            << model->index(0, 1, parent).data().toString().toStdString() << '|' << model->index(0, 3, parent).data().toString().toStdString();
        int total = 0;
        for (int column = 0; column < 4; ++column)
            total += list->header()->sectionSize(column);
        EXPECT_LE(total, list->viewport()->width());
        EXPECT_GE(list->columnWidth(0), 200);
        dialog->resize(1000, 700);
    });
    EXPECT_EQ(SettingsStore::read("FileDialogWidth"), "1000");
    EXPECT_EQ(SettingsStore::read("FileDialogHeight"), "700");
    showOpen(folder.path(), [](QFileDialog* dialog) { EXPECT_EQ(dialog->size(), QSize(1000, 700)); });
}

TEST(FileDialogSize, StoredSizeIsKeptWithinReason)
{
    const QRect screen(0, 0, 1600, 1200);
    EXPECT_EQ(FileDialogSize::FromTexts("", "", screen), FileDialogSize::First);
    EXPECT_EQ(FileDialogSize::FromTexts("wide", "700", screen), FileDialogSize::First);
    EXPECT_EQ(FileDialogSize::FromTexts("1000", "700", screen), QSize(1000, 700));
    EXPECT_EQ(FileDialogSize::FromTexts("100", "-5", screen), FileDialogSize::Least);
    EXPECT_EQ(FileDialogSize::FromTexts("5000", "900", screen), QSize(1600, 900));
    EXPECT_EQ(FileDialogSize::FromTexts("1000", "700", QRect(0, 0, 800, 600)), QSize(800, 600));
}
