#pragma once

#include "WindowHook.h"

#include <QPointer>

#include <vector>

// The hooks one callback has on windows, with the checks and failure reports around
// installing, listing and removing them. Failures are reported (HookFailure) and the
// operation gives up.
class WindowSubclasser {
public:
    explicit WindowSubclasser(HookCallback* callback) : m_callback(callback) {}
    ~WindowSubclasser() { Terminate(); }
    WindowSubclasser(const WindowSubclasser&) = delete;
    WindowSubclasser& operator=(const WindowSubclasser&) = delete;

    bool Subclass(QWidget* window);
    bool UnSubclass(QWidget* window);
    void AddMessage(QWidget* window, int message, WindowHook::When when);
    void DeleteMessage(QWidget* window, int message, WindowHook::When when);
    // Removes every hook, the last installed first.
    void Terminate();

    WindowHook* HookOf(const QWidget* window) const;
    bool IsEmpty() const { return m_hooks.empty(); }

private:
    WindowHook* MapWindow(const QWidget* window) const;

    HookCallback* m_callback;
    std::vector<QPointer<WindowHook>> m_hooks;
};
