#include "SteadyCursor.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

SteadyCursor::SteadyCursor(QLineEdit* edit) : QObject(edit), m_edit(edit)
{
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, &SteadyCursor::update);
}

SteadyCursor::~SteadyCursor()
{
    hold(false);
}

bool SteadyCursor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        update();
    else if (event->type() == QEvent::FocusOut)
        hold(false);
    return QObject::eventFilter(watched, event);
}

void SteadyCursor::update()
{
    hold(m_edit->hasFocus() && m_edit->text().size() >= SteadyFrom);
}

void SteadyCursor::hold(bool steady)
{
    // The blink period is the application's; a box with the focus follows a change at once.
    // Only the box with the focus blinks, so holding it while this one has it stops no other.
    if (steady && m_desktopFlashTime < 0) {
        m_desktopFlashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
    } else if (!steady && m_desktopFlashTime >= 0) {
        QApplication::setCursorFlashTime(m_desktopFlashTime);
        m_desktopFlashTime = -1;
    }
}
