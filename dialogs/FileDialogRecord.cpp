#include "FileDialogRecord.h"

namespace {
FileDialogBackend*& installedBackend()
{
    static FileDialogBackend* backend = nullptr;
    return backend;
}
} // namespace

FileDialogBackend* SetFileDialogBackend(FileDialogBackend* backend)
{
    FileDialogBackend* previous = installedBackend();
    installedBackend() = backend;
    return previous;
}

FileDialogBackend* CurrentFileDialogBackend()
{
    return installedBackend();
}

QString TextBeforeFirstNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}
