#include "ImmediateMnemonic.h"

#include <QAbstractButton>
#include <QShortcutEvent>

void ImmediateMnemonic::attach(QAbstractButton* button)
{
    button->installEventFilter(new ImmediateMnemonic(button));
}

bool ImmediateMnemonic::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Shortcut)
        return false;
    auto* button = static_cast<QAbstractButton*>(watched);
    // Two buttons of one letter: the button's own handling moves the focus between them.
    if (static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button->isEnabled())
        return false;
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}
