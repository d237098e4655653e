#include "KeyboardCue.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {
// On a window that shows where the focus is from the start, until a click in it.
const char* const CueProperty = "quorvaneKeyboardCue";
bool lastPressWasMouse = false;
KeyboardCue* watcher = nullptr;
} // namespace

void KeyboardCue::WatchInput()
{
    if (!watcher && qApp) {
        watcher = new KeyboardCue(qApp);
        qApp->installEventFilter(watcher);
    }
}

bool KeyboardCue::LastPressWasKey()
{
    return !lastPressWasMouse;
}

void KeyboardCue::ShowIfOpenedByKey(QWidget* window)
{
    WatchInput();
    window->setProperty(CueProperty, LastPressWasKey());
}

bool KeyboardCue::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        lastPressWasMouse = true;
        if (watched->isWidgetType())
            static_cast<QWidget*>(watched)->window()->setProperty(CueProperty, false);
        break;
    case QEvent::KeyPress: {
        // Modifiers alone, as with a Ctrl+click, say nothing about the keyboard.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta)
            lastPressWasMouse = false;
        break;
    }
    case QEvent::FocusIn: {
        // Qt's own flag for "the focus moved by keyboard", which the styles draw the focus frame
        // by; Qt clears it for the focus a window gives itself when it opens.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason
            && widget->window()->property(CueProperty).toBool())
            widget->window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
        break;
    }
    default:
        break;
    }
    return false;
}
