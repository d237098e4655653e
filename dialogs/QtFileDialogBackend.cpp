#include "QtFileDialogBackend.h"

#include "FileDialogSize.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QStandardPaths>
#include <QWidget>

namespace {
const QChar Nul(0);

// The owner window is handed over by its handle, as the record carries it.
QWidget* ownerWidget(quintptr handle)
{
    return handle ? QWidget::find(static_cast<WId>(handle)) : nullptr;
}

// Writes text into a record buffer of the given size; false when text and its NUL do not fit.
bool fillBuffer(QString& buffer, qint32 size, const QString& text)
{
    if (text.size() >= size)
        return false;
    buffer = text + QString(size - text.size(), Nul);
    return true;
}

// The free area of the screen the dialog will open on: its owner's, or the first.
QRect dialogScreenArea(const QWidget& dialog)
{
    const QWidget* owner = dialog.parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Size, type and date are made as wide as their longest entry whenever the listing
// changes (the user may still drag them); the name takes what is left.
void fitColumns(QFileDialog& dialog)
{
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!model || !list)
        return;
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    const auto fit = [list] {
        // Entries arrive in batches: fit once they are laid out.
        QTimer::singleShot(0, list, [list] {
            list->doItemsLayout();
            for (int column = 1; column < list->header()->count(); ++column)
                list->resizeColumnToContents(column);
        });
    };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list, fit);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, list, fit);
    QObject::connect(model, &QFileSystemModel::directoryLoaded, list, fit);
    // A folder listed before can be there at once.
    fit();
}

// What the dialog hands back for the file buffer: one full path, or for several files the
// folder and each name, NUL-separated, closed by one more NUL.
QString fileBufferAnswer(const QStringList& files)
{
    if (files.size() == 1)
        return files.first();
    QString answer = QFileInfo(files.first()).absolutePath();
    for (const QString& file : files)
        answer += Nul + QFileInfo(file).fileName();
    return answer + Nul;
}
} // namespace

QStringList QtFileDialogBackend::NameFilters(const QString& recordFilter)
{
    const qsizetype end = recordFilter.indexOf(QString(2, Nul));
    const QStringList fields = (end < 0 ? recordFilter : recordFilter.left(end)).split(Nul);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        QString patterns = fields[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << fields[i] + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
    }
    return filters;
}

qint32 QtFileDialogBackend::SelectedFilterIndex(const QStringList& nameFilters, const QString& selected)
{
    for (qsizetype i = 0; i < nameFilters.size(); ++i) {
        // The dialog reports the filter as shown, without its last parenthesis.
        const QString shown = nameFilters[i].left(nameFilters[i].lastIndexOf(QLatin1Char('('))).trimmed();
        if (selected == nameFilters[i] || selected == shown)
            return static_cast<qint32>(i) + 1;
    }
    return 1;
}

QString QtFileDialogBackend::StartFolder(const QString& initialDir, const QString& startName)
{
    if (!startName.isEmpty() && QFileInfo(startName).isAbsolute())
        return QFileInfo(startName).absolutePath();
    if (!initialDir.isEmpty() && QFileInfo(initialDir).isDir())
        return QFileInfo(initialDir).absoluteFilePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

int QtFileDialogBackend::show(FileDialogKind kind, FileDialogRecord& record)
{
    const bool save = kind == FileDialogKind::Save;
    const bool multiSelect = !save && (record.Flags & FileDialogFlag::AllowMultiSelect);
    const QString startName = TextBeforeFirstNul(record.lpstrFile);
    const QString defaultExt = TextBeforeFirstNul(record.lpstrDefExt);
    QString title = TextBeforeFirstNul(record.lpstrTitle);
    if (title.isEmpty())
        title = save ? QStringLiteral("Save As") : QStringLiteral("Open");

    // Qt's own dialog behaves the same on every desktop and under a test's display.
    QFileDialog dialog(ownerWidget(record.hwndOwner), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (multiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (record.Flags & FileDialogFlag::FileMustExist)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    if (!(record.Flags & FileDialogFlag::OverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);

    const QStringList filters = NameFilters(record.lpstrFilter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qint32 index = record.nFilterIndex;
        dialog.selectNameFilter(filters.value(index >= 1 && index <= filters.size() ? index - 1 : 0));
    }
    dialog.setDefaultSuffix(defaultExt);
    dialog.setDirectory(StartFolder(TextBeforeFirstNul(record.lpstrInitialDir), startName));
    if (!startName.isEmpty())
        dialog.selectFile(QFileInfo(startName).isAbsolute() ? QFileInfo(startName).fileName() : startName);

    dialog.resize(FileDialogSize::ToOpenAt(dialogScreenArea(dialog)));
    fitColumns(dialog);
    const int result = dialog.exec();
    FileDialogSize::Remember(dialog.size());
    if (result != QDialog::Accepted)
        return 0;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || !fillBuffer(record.lpstrFile, record.nMaxFile, fileBufferAnswer(files)))
        return 0;

    fillBuffer(record.lpstrFileTitle, record.nMaxFileTitle, QFileInfo(files.first()).fileName());
    if (!filters.isEmpty())
        record.nFilterIndex = SelectedFilterIndex(filters, dialog.selectedNameFilter());
    const bool extensionDiffers = !defaultExt.isEmpty()
        && QFileInfo(files.first()).suffix().compare(defaultExt, Qt::CaseInsensitive) != 0;
    record.Flags = extensionDiffers ? (record.Flags | FileDialogFlag::ExtensionDifferent)
                                    : (record.Flags & ~FileDialogFlag::ExtensionDifferent);
    return 1;
}
