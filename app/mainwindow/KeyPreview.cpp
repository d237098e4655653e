#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window)
    : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyRelease || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Holding the key down repeats the release; one release is one press.
    if (key->key() != Qt::Key_F1 || key->isAutoRepeat())
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    emit f1Released();
    return true;
}
