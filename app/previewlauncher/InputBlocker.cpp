#include "InputBlocker.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {
QWindow* windowUnderMouse()
{
    QWidget* window = QApplication::topLevelAt(QCursor::pos());
    return window ? window->windowHandle() : nullptr;
}
} // namespace

InputBlocker::InputBlocker()
{
    QCoreApplication::instance()->installEventFilter(this);
    // As when a modal window opens: the window under the mouse hears that the mouse has
    // left, so that no button stays lit or pressed while it takes no input.
    if (QWindow* window = windowUnderMouse()) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(window, &leave);
    }
}

InputBlocker::~InputBlocker()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // And as when it closes: the mouse enters whatever it is over now.
    if (QWindow* window = windowUnderMouse()) {
        const QPointF global = QCursor::pos();
        const QPointF local = window->mapFromGlobal(global);
        QEnterEvent enter(local, local, global);
        QCoreApplication::sendEvent(window, &enter);
    }
}

bool InputBlocker::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::Enter:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        // Only the window manager's request; the program's own closes go through.
        if (event->spontaneous()) {
            event->ignore();
            return true;
        }
        return false;
    default:
        return false;
    }
}
