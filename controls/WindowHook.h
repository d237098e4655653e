#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <vector>

// What a hooked window's messages are handed to.
class HookCallback {
public:
    virtual ~HookCallback() = default;
    // Runs ahead of the window's own processing (before true) and after it (before false).
    // Setting handled before skips the window's own processing; result is the message's result.
    virtual void WindowProc(bool before, bool& handled, std::intptr_t& result, QWidget* window, int message,
                            std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// One window's message hook: an event filter that runs the window's own processing itself,
// so that listed messages reach the callback before and after it. Removal while a message is
// being processed takes effect when the outermost call has returned.
class WindowHook : public QObject {
public:
    static constexpr int MSG_ENTRIES = 32;
    static constexpr int ALL_MESSAGES = -1;
    enum When { Before = 1, After = 2 };
    enum class AddResult { Added, AlreadyListed, Overflow };

    WindowHook(QWidget* window, HookCallback* callback);

    QWidget* Window() const { return m_window; }
    bool Released() const { return m_released; }
    int Depth() const { return m_depth; }

    // ALL_MESSAGES in place of a message lists every message.
    AddResult AddMessage(int message, When when);
    // False when the message is not in the list.
    bool DeleteMessage(int message, When when);
    bool IsListed(int message, When when) const;

    // Empties both lists and lets go of the window: at once when no message is being
    // processed, otherwise when the outermost call through the hook has returned.
    void Release();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct MessageList {
        bool all = false;
        std::vector<int> messages;
    };
    MessageList& List(When when) { return when == Before ? m_before : m_after; }
    const MessageList& List(When when) const { return when == Before ? m_before : m_after; }
    void Detach();

    QPointer<QWidget> m_window;
    HookCallback* m_callback;
    MessageList m_before;
    MessageList m_after;
    int m_depth = 0;
    bool m_released = false;
};
