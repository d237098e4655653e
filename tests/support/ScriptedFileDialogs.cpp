#include "ScriptedFileDialogs.h"

#include <gtest/gtest.h>

ScriptedFileDialogs::ScriptedFileDialogs()
{
    m_previous = SetFileDialogBackend(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    SetFileDialogBackend(m_previous);
}

int ScriptedFileDialogs::fillFileBuffer(FileDialogRecord& record, const QString& text)
{
    // The answer and its closing NUL must fit, as in the system's buffer.
    if (text.size() >= record.nMaxFile)
        return 0;
    record.lpstrFile = text + QString(record.nMaxFile - text.size(), QChar(0));
    return 1;
}

ScriptedFileDialogs& ScriptedFileDialogs::choose(const QString& path, qint32 filterIndex)
{
    return reply([path, filterIndex](FileDialogKind, FileDialogRecord& record) {
        if (filterIndex > 0)
            record.nFilterIndex = filterIndex;
        return fillFileBuffer(record, path);
    });
}

ScriptedFileDialogs& ScriptedFileDialogs::chooseMany(const QString& folder, const QStringList& names)
{
    return reply([folder, names](FileDialogKind, FileDialogRecord& record) {
        QString text = folder;
        for (const QString& name : names)
            text += QChar(0) + name;
        return fillFileBuffer(record, text + QChar(0));
    });
}

ScriptedFileDialogs& ScriptedFileDialogs::cancel()
{
    return reply([](FileDialogKind, FileDialogRecord&) { return 0; });
}

ScriptedFileDialogs& ScriptedFileDialogs::reply(Reply r)
{
    m_replies.push_back(std::move(r));
    return *this;
}

int ScriptedFileDialogs::show(FileDialogKind kind, FileDialogRecord& record)
{
    m_shown.push_back({kind, record});
    if (m_replies.empty()) {
        ADD_FAILURE() << "unscripted file dialog: " << record.lpstrTitle.toStdString();
        return 0;
    }
    Reply r = std::move(m_replies.front());
    m_replies.pop_front();
    return r(kind, record);
}
