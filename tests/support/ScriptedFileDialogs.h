#pragma once

#include "FileDialogRecord.h"

#include <deque>
#include <functional>
#include <vector>

// Stands in for the Open and Save dialogs while it lives: each dialog takes the next
// scripted reply, and the record it received is kept. A dialog with nothing scripted
// fails the test and is cancelled.
class ScriptedFileDialogs : public FileDialogBackend {
public:
    using Reply = std::function<int(FileDialogKind, FileDialogRecord&)>;
    struct Shown {
        FileDialogKind kind;
        FileDialogRecord record;
    };

    ScriptedFileDialogs() { m_previous = SetFileDialogBackend(this); }
    ~ScriptedFileDialogs() override { SetFileDialogBackend(m_previous); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The user confirms: the answer goes into the file buffer as the system writes it.
    ScriptedFileDialogs& choose(const QString& answer)
    {
        return reply([answer](FileDialogKind, FileDialogRecord& r) { return fillFileBuffer(r, answer); });
    }
    ScriptedFileDialogs& cancel()
    {
        return reply([](FileDialogKind, FileDialogRecord&) { return 0; });
    }
    ScriptedFileDialogs& reply(Reply r)
    {
        m_replies.push_back(std::move(r));
        return *this;
    }

    int show(FileDialogKind kind, FileDialogRecord& record) override;
    const std::vector<Shown>& shown() const { return m_shown; }
    int unusedReplies() const { return static_cast<int>(m_replies.size()); }

    // NUL-padded to nMaxFile; zero (a failed dialog) when the text and its NUL do not fit.
    static int fillFileBuffer(FileDialogRecord& record, const QString& text);

private:
    std::deque<Reply> m_replies;
    std::vector<Shown> m_shown;
    FileDialogBackend* m_previous = nullptr;
};
