#include "KeyboardCue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
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
    // Qt's own flag for "the focus moved by keyboard": styles then draw the focus frame.
    window->setAttribute(Qt::WA_KeyboardFocusChange, LastPressWasKey());
}

bool KeyboardCue::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        lastPressWasMouse = true;
        break;
    case QEvent::KeyPress: {
        // Modifiers alone, as with a Ctrl+click, say nothing about the keyboard.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta)
            lastPressWasMouse = false;
        break;
    }
    default:
        break;
    }
    return false;
}
