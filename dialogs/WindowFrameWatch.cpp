#include "WindowFrameWatch.h"

#include <QEvent>
#include <QWidget>

void WindowFrameWatch::whenFramed(QWidget* window, std::function<void()> action)
{
    new WindowFrameWatch(window, std::move(action));
}

bool WindowFrameWatch::hasFrame(const QWidget* window)
{
    return window->frameGeometry() != window->geometry();
}

WindowFrameWatch::WindowFrameWatch(QWidget* window, std::function<void()> action)
    : QObject(window), m_window(window), m_action(std::move(action))
{
    window->installEventFilter(this);
}

bool WindowFrameWatch::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
        return false;
    if (!m_window->isVisible() || !hasFrame(m_window))
        return false;
    m_window->removeEventFilter(this);
    deleteLater();
    m_action();
    return false;
}
