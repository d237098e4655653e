#include "WindowMessages.h"

#include <QMouseEvent>

namespace WindowMessages {

QEvent::Type MouseLeaveEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

std::intptr_t MakePositionWord(int x, int y)
{
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint16_t>(x));
    const auto high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16;
    return static_cast<std::intptr_t>(static_cast<std::int32_t>(high | low));
}

namespace {
std::uintptr_t KeyState(const QMouseEvent* mouse)
{
    const Qt::MouseButtons buttons = mouse->buttons();
    const Qt::KeyboardModifiers modifiers = mouse->modifiers();
    std::uintptr_t state = 0;
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (buttons & Qt::BackButton)
        state |= MK_XBUTTON1;
    if (buttons & Qt::ForwardButton)
        state |= MK_XBUTTON2;
    return state;
}
} // namespace

Message FromEvent(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
        return {WM_PAINT, 0, 0};
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        return {WM_MOUSEMOVE, KeyState(mouse), MakePositionWord(at.x(), at.y())};
    }
    default:
        if (event->type() == MouseLeaveEventType())
            return {WM_MOUSELEAVE, 0, 0};
        return {};
    }
}

} // namespace WindowMessages
