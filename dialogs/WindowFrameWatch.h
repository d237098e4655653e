#pragma once

#include <QObject>

#include <functional>

class QWidget;

// The window manager frames a window only once it is on screen, so its size on screen is
// known only then. A watch runs an action once, when the window is shown with its frame, and
// ends then or with the window.
class WindowFrameWatch : public QObject {
public:
    static void whenFramed(QWidget* window, std::function<void()> action);
    // Whether the window manager has framed the window yet.
    static bool hasFrame(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowFrameWatch(QWidget* window, std::function<void()> action);

    QWidget* m_window;
    std::function<void()> m_action;
};
