#include "OwnerPlacement.h"

#include "Form2Layout.h"
#include "WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {
bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// A dialog of another process may still be listed by a task bar; ask for it not to be.
// Qt keeps states already set on a window that is not yet mapped.
void skipTaskBar(QWidget* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skip);
    xcb_flush(connection);
}
} // namespace

void PlaceOnOwner(QWidget* window, const PreviewProtocol::OwnerWindow& owner)
{
    window->winId(); // the native window must exist before it can be given an owner
    if (onX11()) {
        if (owner.windowId != 0) {
            // Stands for the editor's window for as long as this helper runs.
            if (QWindow* ownerWindow = QWindow::fromWinId(owner.windowId))
                window->windowHandle()->setTransientParent(ownerWindow);
        }
        skipTaskBar(window);
    }

    // The editor sends its place only where screen positions mean something (X11).
    const bool besideOwner = owner.geometry.isValid();
    // The window has no place of its own yet, so its screen would be the first one:
    // keep it inside the screen the editor is on.
    QScreen* screen = besideOwner ? QGuiApplication::screenAt(owner.geometry.center()) : nullptr;
    if (!screen)
        screen = window->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect around = besideOwner ? owner.geometry : available;
    const QPoint centred = Form2Layout::CentredPosition(around, window->size(), available);
    // A screen smaller than the window shrinks it; its frame is fitted in once it has one.
    const QRect fitted = FitWindowToArea(QRect(centred, window->size()), QSize(), available);
    if (fitted.size() != window->size())
        window->setFixedSize(fitted.size());
    window->move(fitted.topLeft());
}
