#pragma once

#include "FileDialogRecord.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Stands in for the Open and Save dialogs while it lives: each dialog takes the next
// scripted reply and the record it received is kept for inspection. A dialog with
// nothing scripted fails the test and is cancelled.
class ScriptedFileDialogs : public FileDialogBackend {
public:
    using Reply = std::function<int(FileDialogKind, FileDialogRecord&)>;

    struct Shown {
        FileDialogKind kind;
        FileDialogRecord record;  // as the dialog received it
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The user confirms this path (written as the system writes it: NUL-padded buffer).
    ScriptedFileDialogs& choose(const QString& path, qint32 filterIndex = 0);
    // The user picks several files of one folder in a multi-select Open.
    ScriptedFileDialogs& chooseMany(const QString& folder, const QStringList& names);
    ScriptedFileDialogs& cancel();
    ScriptedFileDialogs& reply(Reply r);

    int show(FileDialogKind kind, FileDialogRecord& record) override;

    const std::vector<Shown>& shown() const { return m_shown; }
    int unusedReplies() const { return static_cast<int>(m_replies.size()); }

    // Writes text into the record's file buffer as the system does; zero when it does not fit.
    static int fillFileBuffer(FileDialogRecord& record, const QString& text);

private:
    std::deque<Reply> m_replies;
    std::vector<Shown> m_shown;
    FileDialogBackend* m_previous = nullptr;
};
