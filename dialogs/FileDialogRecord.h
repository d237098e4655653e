#pragma once

#include <QString>
#include <QtGlobal>

// Option bits of the Open and Save dialogs, as the record carries them.
namespace FileDialogFlag {
inline constexpr qint32 OverwritePrompt = 0x2;      // OFN_OVERWRITEPROMPT
inline constexpr qint32 HideReadOnly = 0x4;         // OFN_HIDEREADONLY
inline constexpr qint32 AllowMultiSelect = 0x200;   // OFN_ALLOWMULTISELECT
inline constexpr qint32 ExtensionDifferent = 0x400; // OFN_EXTENSIONDIFFERENT
inline constexpr qint32 PathMustExist = 0x800;      // OFN_PATHMUSTEXIST
inline constexpr qint32 FileMustExist = 0x1000;     // OFN_FILEMUSTEXIST
inline constexpr qint32 Explorer = 0x80000;         // OFN_EXPLORER
} // namespace FileDialogFlag

// What one Open or Save dialog is asked to do, and what it reports back. Strings keep
// the NUL characters of the classic record: the filter is a list of NUL-terminated
// fields ending in an extra NUL; the file buffer is exactly nMaxFile characters.
struct FileDialogRecord {
    quint32 lStructSize = 76;
    quintptr hwndOwner = 0;
    QString lpstrFilter;
    qint32 nFilterIndex = 1;
    QString lpstrFile;
    qint32 nMaxFile = 0;
    QString lpstrFileTitle;
    qint32 nMaxFileTitle = 0;
    QString lpstrInitialDir;
    QString lpstrTitle;
    qint32 Flags = 0;
    QString lpstrDefExt;
};

enum class FileDialogKind { Open, Save };

// The system's Open and Save dialogs. show() takes the record, lets the user choose and
// fills the record back (file buffer, filter index, flags); non-zero means a file was
// confirmed, zero a cancel or a failure.
class FileDialogBackend {
public:
    virtual ~FileDialogBackend() = default;
    virtual int show(FileDialogKind kind, FileDialogRecord& record) = 0;
};

// Installs the backend that every cFileDialog uses (not owned); returns the one it replaces.
// Without one, every dialog reports a cancel.
FileDialogBackend* SetFileDialogBackend(FileDialogBackend* backend);
FileDialogBackend* CurrentFileDialogBackend();

// The text up to the first NUL character, or all of it when it holds none.
QString TextBeforeFirstNul(const QString& text);
