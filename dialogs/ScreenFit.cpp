#include "ScreenFit.h"

#include "WindowFit.h"
#include "WindowFrameWatch.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int SettleMs = 250;

QMargins FrameOf(const QWidget* window)
{
    return WindowFrameWatch::frameMargins(window);
}

// The window manager frames a window only once it is on screen; until then a framed window
// of the program tells how much the frame adds.
QMargins ExpectedFrame(const QWidget* window)
{
    if (WindowFrameWatch::hasFrame(window))
        return FrameOf(window);
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && WindowFrameWatch::hasFrame(other))
            return FrameOf(other);
    return {};
}

// Dialogs, message boxes, splash and the windows owned by another; not the main window,
// which keeps to its remembered place.
bool IsPlacedWindow(const QWidget* widget)
{
    if (!widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    if (type == Qt::Window)
        return widget->parentWidget() != nullptr;
    return type == Qt::Dialog || type == Qt::Tool || type == Qt::SplashScreen;
}

// A tooltip wider than its screen wraps its text to the screen's width and moves onto it.
void FitTipOnScreen(QLabel* tip)
{
    const QScreen* screen = QGuiApplication::screenAt(tip->geometry().center());
    if (!screen)
        screen = tip->screen();
    if (!screen)
        return;
    const QRect area = FittingArea(screen);
    const QRect frame = tip->frameGeometry();
    const int extra = frame.width() - tip->width();
    if (frame.width() > area.width()) {
        tip->setWordWrap(true);
        tip->resize(area.width() - extra, tip->heightForWidth(area.width() - extra));
    }
    const QRect fitted = FitWindowToArea(tip->frameGeometry(), tip->frameGeometry().size(), area);
    if (fitted.topLeft() != tip->frameGeometry().topLeft())
        tip->move(fitted.topLeft());
}

class ScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (auto* tip = qobject_cast<QLabel*>(window); tip && window->windowType() == Qt::ToolTip) {
            FitTipOnScreen(tip);
            return false;
        }
        if (!IsPlacedWindow(window))
            return false;
        // Show comes after a dialog has centred itself and before the window is mapped. The
        // frame guessed then is checked once it is known; once only, as a window the user
        // moves half off the screen stays there.
        const bool guessed = !WindowFrameWatch::hasFrame(window);
        FitWindowOnScreen(window);
        // Placed before the window manager framed it, a window may find its client area
        // where its frame was meant to be: the frame goes there once it is known.
        const QPoint meant = window->pos();
        const bool placed = window->testAttribute(Qt::WA_Moved);
        if (guessed)
            WindowFrameWatch::whenFramed(window, [window, meant, placed] {
                if (placed && WindowFrameWatch::frameGeometry(window).topLeft() != meant)
                    WindowFrameWatch::moveFrameTo(window, meant);
                FitWindowOnScreen(window);
                // The window manager may still be placing it as its frame comes: once more a
                // moment later, before the user can have moved it.
                QTimer::singleShot(SettleMs, window, [window] { FitWindowOnScreen(window); });
            });
        return false;
    }
};
} // namespace

void FitWindowOnScreen(QWidget* window)
{
    const QMargins margins = ExpectedFrame(window);
    // Left to the system, a window may open anywhere, even half off the screen: over the
    // middle of its owner instead, as a dialog opens, or of its owner's screen.
    if (!window->testAttribute(Qt::WA_Moved)) {
        const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        const QScreen* home = owner ? owner->screen() : window->screen();
        const QRect over = owner && owner->isVisible() ? WindowFrameWatch::frameGeometry(owner)
                           : home                      ? home->availableGeometry()
                                                       : QRect();
        if (over.isValid()) {
            const QSize outer = window->size().grownBy(margins);
            window->move(over.x() + (over.width() - outer.width()) / 2, over.y() + (over.height() - outer.height()) / 2);
        }
    }
    const QPoint at = WindowFrameWatch::isPlaced(window) ? WindowFrameWatch::frameGeometry(window).topLeft() : window->pos();
    const QRect frame(at, window->size().grownBy(margins));
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QRect fitted = FitWindowToArea(frame, window->minimumSize().grownBy(margins), FittingArea(screen));
    if (fitted.size() != frame.size())
        window->resize(fitted.size().shrunkBy(margins));
    if (window->testAttribute(Qt::WA_Moved) && fitted.topLeft() != frame.topLeft())
        WindowFrameWatch::moveFrameTo(window, fitted.topLeft());
}

QRect FittingArea(const QScreen* screen)
{
    const QRect area = screen->availableGeometry();
    return screen->devicePixelRatio() > 1.0 ? area.adjusted(1, 1, -1, -1) : area;
}

void KeepWindowsOnScreen()
{
    qApp->installEventFilter(new ScreenKeeper(qApp));
}
