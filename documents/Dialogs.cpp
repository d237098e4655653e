#include "Dialogs.h"

#include "DescriptionView.h"
#include "DocumentState.h"
#include "cFileDialog.h"

#include <exception>

namespace {
constexpr qint32 OpenFlags = FileDialogFlag::FileMustExist | FileDialogFlag::HideReadOnly;  // 4100

// The main window creates the shared object when it loads; a command that runs before
// that (or after its unload) gets a fresh one rather than a crash.
cFileDialog& sharedDialog()
{
    std::shared_ptr<cFileDialog>& dialog = Document().SharedFileDialog;
    if (!dialog)
        dialog = std::make_shared<cFileDialog>();
    return *dialog;
}

quintptr ownerHandle()
{
    const DescriptionView* boxes = Document().Boxes;
    return boxes ? boxes->ownerWindowHandle() : 0;
}
} // namespace

QString ShowOpenDialog(const QString& filter)
{
    cFileDialog& dialog = sharedDialog();
    dialog.setDialogTitle(QStringLiteral("Open File"));
    if (!Document().CurrentFolder.isEmpty())
        dialog.setInitDir(Document().CurrentFolder);
    dialog.setFileName(QString());
    dialog.setFilter(filter);
    dialog.setFlags(OpenFlags);
    dialog.setHWnd(ownerHandle());
    dialog.setCancelError(false);
    dialog.ShowOpen();
    return dialog.FileName();
}

QString ShowSaveDialog(const QString& filter, const QString& defaultExtension, const QString& initialFileName)
{
    // Every step runs even after one has failed; any failure makes the answer empty,
    // which the caller takes for a cancel.
    bool failed = false;
    const auto step = [&failed](auto&& action) {
        try {
            action();
        } catch (const std::exception&) {
            failed = true;
        }
    };

    cFileDialog& dialog = sharedDialog();
    step([&] { dialog.setDialogTitle(QStringLiteral("Save File")); });
    if (!Document().CurrentFolder.isEmpty())
        step([&] { dialog.setInitDir(Document().CurrentFolder); });
    step([&] { dialog.setFileName(initialFileName); });
    step([&] { dialog.setDefaultExt(defaultExtension); });
    step([&] { dialog.setFilter(filter); });
    step([&] { dialog.setHWnd(ownerHandle()); });
    step([&] { dialog.setCancelError(true); });
    // Flags stay as the shared object holds them; the overwrite question is the caller's.
    step([&] { dialog.ShowSave(); });
    return failed ? QString() : dialog.FileName();
}
