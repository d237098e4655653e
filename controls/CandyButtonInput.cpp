// The button's input handlers, its hover tracking through the window hook, and the events
// it raises to the host.
#include "CandyButton.h"

#include "ColorMath.h"
#include "MouseTracking.h"
#include "WindowMessages.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
short ButtonBits(Qt::MouseButtons buttons)
{
    short bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

short ShiftBits(Qt::KeyboardModifiers modifiers)
{
    short bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= 1;
    if (modifiers & Qt::ControlModifier)
        bits |= 2;
    if (modifiers & Qt::AltModifier)
        bits |= 4;
    return bits;
}

// Enter presses the button, and so does Space, as on every other button of the desktop.
bool IsPressKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
}
} // namespace

void CandyButton::ApplyFocusPolicy()
{
    // Tab reaches an enabled button only; a click focuses it too, as a command button does.
    setFocusPolicy(m_Enabled ? Qt::StrongFocus : Qt::NoFocus);
}

void CandyButton::OnMouseDown(short button, short shift, float x, float y)
{
    if (!m_Enabled)
        return;
    m_HasFocus = true;
    Redraw(StatePressed);
    emit MouseDown(button, shift, x, y);
}

void CandyButton::OnMouseMove(short button, short shift, float x, float y)
{
    if (!m_Enabled)
        return;
    emit MouseMove(button, shift, x, y);
    const bool outside = x < 0 || x > width() || y < 0 || y > height();
    if (outside && button == 1) {
        // Dragged out with the left button: normal at once; the leave notice still comes later.
        m_IsHovering = false;
        Redraw(StateNormal);
    }
}

void CandyButton::OnMouseUp(short button, short shift, float x, float y)
{
    if (!m_Enabled)
        return;
    if (!m_Checked) {
        if (m_IsHovering)
            Redraw(StateHover);
        else if (m_HasFocus)
            Redraw(StateFocused);
    }
    emit MouseUp(button, shift, x, y);
}

void CandyButton::OnClick()
{
    if (m_Enabled)
        emit Click();
}

void CandyButton::PressAsByEnter()
{
    OnMouseDown(1, 0, 0, 0);
    OnMouseUp(1, 0, 0, 0);
    OnClick();
}

void CandyButton::mousePressEvent(QMouseEvent* event)
{
    m_KeyboardFocus = false;
    if (event->button() == Qt::LeftButton)
        m_ClickPending = true;
    const QPointF at = event->position();
    OnMouseDown(ButtonBits(event->button()), ShiftBits(event->modifiers()), at.x(), at.y());
}

void CandyButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    OnMouseMove(ButtonBits(event->buttons()), ShiftBits(event->modifiers()), at.x(), at.y());
}

void CandyButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    OnMouseUp(ButtonBits(event->button()), ShiftBits(event->modifiers()), at.x(), at.y());
    if (event->button() != Qt::LeftButton)
        return;
    // A click is a left press and release both on the button.
    const bool completed = m_ClickPending && rect().contains(at.toPoint());
    m_ClickPending = false;
    if (completed)
        OnClick();
}

void CandyButton::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click completes no click of its own.
    m_ClickPending = false;
    if (!m_Enabled)
        return;
    Redraw(StatePressed);
    emit DblClick();
}

void CandyButton::keyPressEvent(QKeyEvent* event)
{
    if (!IsPressKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Only a press this button saw itself, with the focus, starts a key click: an Enter that
    // closed a dialog above it must not click it again on the way up.
    if (!event->isAutoRepeat() && m_PressedKey == 0 && m_HasFocus && m_Enabled)
        m_PressedKey = event->key();
    if (event->key() == m_PressedKey)
        OnMouseDown(1, 0, 0, 0);
}

void CandyButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!IsPressKey(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    // Held down, the key repeats its press only: one click when it is let go.
    if (event->isAutoRepeat() || event->key() != m_PressedKey)
        return;
    m_PressedKey = 0;
    OnMouseUp(1, 0, 0, 0);
    OnClick();
}

void CandyButton::focusInEvent(QFocusEvent* event)
{
    m_HasFocus = true;
    // Also the first focus of a window opened by a key: the window says so with Qt's flag.
    m_KeyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || (event->reason() != Qt::MouseFocusReason && window()->testAttribute(Qt::WA_KeyboardFocusChange));
    if (m_Enabled && !m_Checked && !m_IsHovering)
        Redraw(StateFocused);
    update();
}

void CandyButton::focusOutEvent(QFocusEvent*)
{
    m_HasFocus = false;
    m_PressedKey = 0;
    m_KeyboardFocus = false;
    if (m_Enabled && !m_Checked)
        Redraw(StateNormal);
    update();
}

void CandyButton::WindowProc(bool before, bool&, std::intptr_t&, QWidget*, int message, std::uintptr_t wParam,
                             std::intptr_t lParam)
{
    if (before) {
        if (message == WindowMessages::WM_PAINT)
            RebuildShape();
        return;
    }
    if (message == WindowMessages::WM_MOUSEMOVE)
        OnMouseMoveMessage(wParam, lParam);
    else if (message == WindowMessages::WM_MOUSELEAVE)
        OnMouseLeaveMessage();
}

void CandyButton::OnMouseMoveMessage(std::uintptr_t keyState, std::intptr_t position)
{
    // Dragging with the left button alone does not enter; with a modifier or another button it does.
    if (keyState == WindowMessages::MK_LBUTTON || m_IsHovering)
        return;
    const int x = LowWord(static_cast<std::int32_t>(position));
    const int y = HighWord(static_cast<std::int32_t>(position));
    if (x > 0 && y > 0 && x < width() && y < height()) {
        m_IsHovering = true;
        RequestMouseLeave();
        emit MouseEnter();
        Redraw(StateHover);
    }
}

void CandyButton::OnMouseLeaveMessage()
{
    m_IsHovering = false;
    emit MouseLeave();
    if (!m_Checked)
        Redraw(m_HasFocus ? StateFocused : StateNormal);
}

void CandyButton::RequestMouseLeave()
{
    if (m_HoverTrackingEnabled)
        MouseTracking::RequestLeaveNotification(this);
}

void CandyButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (devicePixelRatioF() > 1 && m_Face.size() == m_Surface.Image().size())
        PaintScaled(painter);
    else
        painter.drawImage(0, 0, m_Surface.Image());
    // The focus cue of a button reached by Tab lies over the face, outside the painted surface.
    if (m_KeyboardFocus && hasFocus() && width() > 8 && height() > 8) {
        QPen pen(QColor(ToQRgb(m_ForeColor)));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}
