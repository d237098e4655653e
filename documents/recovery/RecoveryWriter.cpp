#include "RecoveryWriter.h"

#include "RuntimeError.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <cstdio>

RecoveryWriter::RecoveryWriter(RecoveryStore store)
    : m_store(std::move(store))
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void RecoveryWriter::write(const QString& ownerPath, Texts texts)
{
    post({false, ownerPath, std::move(texts)});
}

void RecoveryWriter::remove()
{
    post({true, {}, {}});
}

void RecoveryWriter::post(Request request)
{
    {
        std::lock_guard lock(m_mutex);
        m_next = std::move(request);
        // Started with the first request: a window that never changes needs no thread.
        if (!m_thread.joinable())
            m_thread = std::thread(&RecoveryWriter::run, this);
    }
    m_wake.notify_all();
}

void RecoveryWriter::wait()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_next && !m_busy; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_next || m_stopping; });
        if (!m_next)
            return;
        const Request request = std::move(*m_next);
        m_next.reset();
        m_busy = true;
        lock.unlock();
        carryOut(request);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

void RecoveryWriter::carryOut(const Request& request)
{
    if (request.remove) {
        m_store.removeOwn();
        return;
    }
    QElapsedTimer timer;
    timer.start();
    RecoveryCopy copy{request.ownerPath, QDateTime::currentDateTimeUtc(), m_store.self().name(), request.texts()};
    const QByteArray bytes = RecoveryCopyFormat::format(copy);
    // A description too large to save is too large to recover; the last copy that fit stays.
    if (bytes.isEmpty())
        return;
    const int error = m_store.save(bytes);
    m_lastWriteMs = timer.elapsed();
    if (error != 0 && !m_failureNoted) {
        m_failureNoted = true;
        std::fprintf(stderr, "quorvane: %s: no recovery copy of unsaved changes can be kept there (%s)\n",
                     m_store.folder().toLocal8Bit().constData(), StandardErrorDescription(error).toLocal8Bit().constData());
        std::fflush(stderr);
    }
}
