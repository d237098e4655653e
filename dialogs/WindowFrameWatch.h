#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <functional>

class QWidget;

// The window manager frames a window only once it is on screen, so its size on screen is
// known only then, and Qt hears of the frame without an event of its own. A watch runs an
// action once, when the window is shown with its frame, and ends then or with the window.
class WindowFrameWatch : public QObject {
public:
    static void whenFramed(QWidget* window, std::function<void()> action);
    // Whether the window manager has framed the window yet.
    static bool hasFrame(const QWidget* window);
    // The frame round the window's client area, as the window manager reports it now
    // (QWidget::frameGeometry may still hold an older answer).
    static QMargins frameMargins(const QWidget* window);
    static QRect frameGeometry(const QWidget* window);
    // Whether the window is on screen already: until then Qt's own idea of its place holds.
    static bool isPlaced(const QWidget* window);
    // Puts the frame's top left corner at the point, the frame as it is now known.
    static void moveFrameTo(QWidget* window, QPoint point);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowFrameWatch(QWidget* window, std::function<void()> action);
    void check();

    QWidget* m_window;
    std::function<void()> m_action;
    QTimer m_poll;
    int m_polls = 0;
};
