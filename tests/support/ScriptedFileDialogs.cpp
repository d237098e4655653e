#include "ScriptedFileDialogs.h"

#include <gtest/gtest.h>

int ScriptedFileDialogs::fillFileBuffer(FileDialogRecord& record, const QString& text)
{
    if (text.size() >= record.nMaxFile)
        return 0;
    record.lpstrFile = text + QString(record.nMaxFile - text.size(), QChar(0));
    return 1;
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
