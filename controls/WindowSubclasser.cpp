#include "WindowSubclasser.h"

#include "HookFailure.h"

#include <QThread>

bool WindowSubclasser::Subclass(QWidget* window)
{
    const QString routine = QStringLiteral("sc_Subclass");
    if (!window) {
        ReportHookFailure(routine, QStringLiteral("Invalid window handle"));
        return false;
    }
    // A window of another thread cannot be hooked from this one.
    if (window->thread() != QThread::currentThread()) {
        ReportHookFailure(routine, QStringLiteral("Window handle belongs to another process"));
        return false;
    }
    if (!m_callback) {
        ReportHookFailure(routine, QStringLiteral("Callback method not found"));
        return false;
    }
    if (HookOf(window)) {
        ReportHookFailure(routine, QStringLiteral("Window handle is already subclassed"));
        return false;
    }
    m_hooks.emplace_back(new WindowHook(window, m_callback));
    return true;
}

bool WindowSubclasser::UnSubclass(QWidget* window)
{
    for (auto it = m_hooks.begin(); it != m_hooks.end(); ++it) {
        if (*it && (*it)->Window() == window) {
            (*it)->Release();
            m_hooks.erase(it);
            return true;
        }
    }
    ReportHookFailure(QStringLiteral("sc_UnSubclass"), QStringLiteral("Window handle isn't subclassed"));
    return false;
}

WindowHook* WindowSubclasser::HookOf(const QWidget* window) const
{
    for (const QPointer<WindowHook>& hook : m_hooks)
        if (hook && hook->Window() == window)
            return hook;
    return nullptr;
}

WindowHook* WindowSubclasser::MapWindow(const QWidget* window) const
{
    const QString routine = QStringLiteral("zMap_hWnd");
    if (m_hooks.empty()) {
        ReportHookFailure(routine, QStringLiteral("Subclassing hasn't been started"));
        return nullptr;
    }
    WindowHook* hook = HookOf(window);
    if (!hook)
        ReportHookFailure(routine, QStringLiteral("Window handle isn't subclassed"));
    return hook;
}

void WindowSubclasser::AddMessage(QWidget* window, int message, WindowHook::When when)
{
    WindowHook* hook = MapWindow(window);
    if (hook && hook->AddMessage(message, when) == WindowHook::AddResult::Overflow)
        ReportHookFailure(QStringLiteral("zAddMsg"),
                          QStringLiteral("Message table overflow. Either increase the value of Const MSG_ENTRIES or "
                                         "use ALL_MESSAGES instead of specific message values"));
}

void WindowSubclasser::DeleteMessage(QWidget* window, int message, WindowHook::When when)
{
    WindowHook* hook = MapWindow(window);
    if (hook && !hook->DeleteMessage(message, when))
        ReportHookFailure(QStringLiteral("zDelMsg"), QStringLiteral("Message &H") +
                                                         QString::number(message, 16).toUpper() +
                                                         QStringLiteral(" not found in table"));
}

void WindowSubclasser::Terminate()
{
    while (!m_hooks.empty()) {
        if (m_hooks.back())
            m_hooks.back()->Release();
        m_hooks.pop_back();
    }
}
