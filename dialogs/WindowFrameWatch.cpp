#include "WindowFrameWatch.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {
// How often, and how long, a shown window is looked at for its frame.
constexpr int PollMs = 20;
constexpr int MostPolls = 250;
} // namespace

void WindowFrameWatch::whenFramed(QWidget* window, std::function<void()> action)
{
    new WindowFrameWatch(window, std::move(action));
}

QMargins WindowFrameWatch::frameMargins(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

bool WindowFrameWatch::hasFrame(const QWidget* window)
{
    return !frameMargins(window).isNull();
}

bool WindowFrameWatch::isPlaced(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return window->isVisible() && handle && handle->isExposed();
}

QRect WindowFrameWatch::frameGeometry(const QWidget* window)
{
    const QRect known = window->frameGeometry();
    return known != window->geometry() ? known : window->geometry().marginsAdded(frameMargins(window));
}

void WindowFrameWatch::moveFrameTo(QWidget* window, QPoint point)
{
    // The window's own idea of its frame may be older than the window manager's answer, and
    // a window made before it was placed keeps its client area where it is put: so the
    // client area goes where the frame, as known now, puts it.
    const QMargins margins = frameMargins(window);
    if (isPlaced(window) && !margins.isNull())
        window->setGeometry(QRect(point + QPoint(margins.left(), margins.top()), window->size()));
    else
        window->move(point);
}

WindowFrameWatch::WindowFrameWatch(QWidget* window, std::function<void()> action)
    : QObject(window), m_window(window), m_action(std::move(action))
{
    window->installEventFilter(this);
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &WindowFrameWatch::check);
    if (window->isVisible())
        m_poll.start();
}

void WindowFrameWatch::check()
{
    if (!m_window->isVisible() || !hasFrame(m_window)) {
        if (++m_polls >= MostPolls)
            m_poll.stop();
        return;
    }
    m_poll.stop();
    m_window->removeEventFilter(this);
    deleteLater();
    if (m_action)
        std::exchange(m_action, nullptr)();
}

bool WindowFrameWatch::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
        return false;
    if (type == QEvent::Show && !m_poll.isActive()) {
        m_polls = 0;
        m_poll.start();
    }
    // Once only: the action may move the window, which comes back here.
    if (m_action && m_window->isVisible() && hasFrame(m_window)) {
        m_poll.stop();
        m_window->removeEventFilter(this);
        deleteLater();
        std::exchange(m_action, nullptr)();
    }
    return false;
}
