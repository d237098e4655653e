#include "WindowHook.h"

#include "WindowMessages.h"

#include <algorithm>

WindowHook::WindowHook(QWidget* window, HookCallback* callback)
    : QObject(window), m_window(window), m_callback(callback)
{
    window->installEventFilter(this);
}

WindowHook::AddResult WindowHook::AddMessage(int message, When when)
{
    MessageList& list = List(when);
    if (message == ALL_MESSAGES) {
        list.all = true;
        list.messages.clear();
        return AddResult::Added;
    }
    if (IsListed(message, when))
        return AddResult::AlreadyListed;
    if (static_cast<int>(list.messages.size()) >= MSG_ENTRIES)
        return AddResult::Overflow;
    list.messages.push_back(message);
    return AddResult::Added;
}

bool WindowHook::DeleteMessage(int message, When when)
{
    MessageList& list = List(when);
    if (message == ALL_MESSAGES) {
        list = {};
        return true;
    }
    const auto found = std::find(list.messages.begin(), list.messages.end(), message);
    if (found == list.messages.end())
        return false;
    list.messages.erase(found);
    return true;
}

bool WindowHook::IsListed(int message, When when) const
{
    const MessageList& list = List(when);
    return list.all || std::find(list.messages.begin(), list.messages.end(), message) != list.messages.end();
}

void WindowHook::Release()
{
    m_before = {};
    m_after = {};
    m_callback = nullptr;
    m_released = true;
    if (m_depth == 0)
        Detach();
}

void WindowHook::Detach()
{
    if (m_window)
        m_window->removeEventFilter(this);
    deleteLater();
}

bool WindowHook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window || m_released)
        return false;
    const WindowMessages::Message msg = WindowMessages::FromEvent(event);
    if (msg.message == 0)
        return false;
    const bool before = IsListed(msg.message, Before);
    const bool after = IsListed(msg.message, After);
    if (!before && !after)
        return false;

    QPointer<QWidget> window = m_window;
    const QPointer<WindowHook> self = this; // the window may take the hook with it
    ++m_depth;
    bool handled = false;
    std::intptr_t result = 0;
    if (before && m_callback)
        m_callback->WindowProc(true, handled, result, window, msg.message, msg.wParam, msg.lParam);
    if (!handled && window)
        result = static_cast<QObject*>(window)->event(event) ? 1 : 0;
    if (self && after && m_callback && window)
        m_callback->WindowProc(false, handled, result, window, msg.message, msg.wParam, msg.lParam);
    if (!self)
        return true;
    --m_depth;
    if (m_released && m_depth == 0)
        Detach();
    return true;
}
