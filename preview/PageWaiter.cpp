#include "PageWaiter.h"

#include <QEventLoop>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

PageWaiter::PageWaiter(int fd, int idleMs, QObject* parent)
    : QObject(parent), m_fd(fd), m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
{
    // Each wake-up reads all there is, so a page already waiting is known at once.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_idle.setSingleShot(true);
    // A coarse timer may fire a little early; the editor counts on the full time.
    m_idle.setTimerType(Qt::PreciseTimer);
    m_idle.setInterval(idleMs);
    connect(&m_idle, &QTimer::timeout, this, [this] { finish(Result::IdleTimeOut); });
    connect(m_notifier, &QSocketNotifier::activated, this, &PageWaiter::readSome);
}

PageWaiter::Result PageWaiter::wait()
{
    if (!m_finished) {
        QEventLoop loop;
        connect(this, &PageWaiter::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_result;
}

void PageWaiter::readSome()
{
    char buffer[65536];
    while (!m_finished) {
        const ssize_t n = read(m_fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n <= 0) {
            finish(Result::InputEnded);
            return;
        }
        for (PreviewCommandReader::Event event : m_reader.feed(QByteArray(buffer, n))) {
            switch (event) {
            case PreviewCommandReader::Event::Near:
                m_idle.stop();
                break;
            case PreviewCommandReader::Event::Away:
                m_idle.start();
                break;
            case PreviewCommandReader::Event::Page:
                finish(Result::Page);
                return;
            case PreviewCommandReader::Event::Malformed:
                finish(Result::Malformed);
                return;
            }
        }
    }
}

void PageWaiter::finish(Result result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_result = result;
    m_idle.stop();
    m_notifier->setEnabled(false);
    emit finished();
}
