#pragma once

#include "Description.h"
#include "RecoveryStore.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Writes and removes this editor's recovery copy on a thread of its own, so that typing
// never waits for the disk. Only the latest request counts: a copy overtaken by a newer
// one or by a removal before its turn is never written. A copy that cannot be written
// costs that copy only: one line on standard error, the first time.
class RecoveryWriter {
public:
    // The description's texts, gathered on the writing thread when it gets to them.
    using Texts = std::function<Description()>;

    explicit RecoveryWriter(RecoveryStore store);
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(const QString& ownerPath, Texts texts);
    void remove();
    // Until every request made so far is done.
    void wait();

    // How long the last copy took to write, in milliseconds.
    qint64 lastWriteMs() const { return m_lastWriteMs; }
    const RecoveryStore& store() const { return m_store; }

private:
    struct Request {
        bool remove = false;
        QString ownerPath;
        Texts texts;
    };
    void post(Request request);
    void run();
    void carryOut(const Request& request);

    const RecoveryStore m_store;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Request> m_next;
    bool m_busy = false;
    bool m_stopping = false;
    bool m_failureNoted = false;
    std::atomic<qint64> m_lastWriteMs{0};
    std::thread m_thread;
};
