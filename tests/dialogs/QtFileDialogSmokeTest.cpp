#include "ModalDialogs.h"
#include "QtFileDialogBackend.h"
#include "TempFolder.h"
#include "cFileDialog.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// The real dialog on a real X server: it appears over its owner, takes a typed name and gives it back.
TEST(QtFileDialogSmoke, ASaveDialogOnTheDisplayConfirmsATypedName)
{
    QtFileDialogBackend backend;
    FileDialogBackend* previous = SetFileDialogBackend(&backend);
    TempFolder folder;
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    cFileDialog d;
    d.setInitDir(folder.path());
    d.setFilter("Quorvane Files (*.qvn)|*.qvn");
    d.setDefaultExt("qvn");
    d.setHWnd(owner.winId());
    d.setCancelError(true);

    bool exposed = false;
    WhenModalShows<QFileDialog>([&](QFileDialog* dialog) {
        exposed = QTest::qWaitForWindowExposed(dialog);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(edit, "Smoke");
        QTest::keyClick(edit, Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog did not take the name";
            dialog->reject();
        }
    });
    d.ShowSave();
    SetFileDialogBackend(previous);
    EXPECT_TRUE(exposed);
    EXPECT_EQ(QFileInfo(d.FileName()), QFileInfo(folder.file("Smoke.qvn")));
}
