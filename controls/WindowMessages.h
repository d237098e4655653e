#pragma once

#include <QEvent>

#include <cstdint>

// The window messages the button's hook works with, and how a Qt event stands in for each.
namespace WindowMessages {

inline constexpr int WM_PAINT = 15;
inline constexpr int WM_MOUSEMOVE = 512;
inline constexpr int WM_MOUSELEAVE = 675;

// Key-state bits of a mouse message.
inline constexpr int MK_LBUTTON = 0x01;
inline constexpr int MK_RBUTTON = 0x02;
inline constexpr int MK_SHIFT = 0x04;
inline constexpr int MK_CONTROL = 0x08;
inline constexpr int MK_MBUTTON = 0x10;
inline constexpr int MK_XBUTTON1 = 0x20;
inline constexpr int MK_XBUTTON2 = 0x40;

// The event the leave notification posts, once, when the pointer leaves a tracked window.
QEvent::Type MouseLeaveEventType();

// A window message as the hook sees it. Message 0 means the event stands for none.
struct Message {
    int message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// Position word: x in the low 16 bits, y in the high 16 bits, each truncated to 16 bits.
std::intptr_t MakePositionWord(int x, int y);

Message FromEvent(const QEvent* event);

} // namespace WindowMessages
