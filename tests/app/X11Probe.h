#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <xcb/xcb.h>

// Looks at windows on the test's X server from the outside, as a window manager or a
// task bar would, through a connection of its own.
class X11Probe {
public:
    X11Probe();
    ~X11Probe();
    X11Probe(const X11Probe&) = delete;
    X11Probe& operator=(const X11Probe&) = delete;

    // The viewable top-level windows whose title is exactly this.
    QList<xcb_window_t> windowsTitled(const QString& title);
    xcb_window_t transientFor(xcb_window_t window);
    // Atom names of _NET_WM_STATE and _NET_WM_WINDOW_TYPE.
    QStringList states(xcb_window_t window) { return atomList(window, "_NET_WM_STATE"); }
    QStringList types(xcb_window_t window) { return atomList(window, "_NET_WM_WINDOW_TYPE"); }
    // Position on the screen and size of the window's own area.
    QRect geometry(xcb_window_t window);

private:
    xcb_atom_t atom(const char* name);
    QString atomName(xcb_atom_t atom);
    QString title(xcb_window_t window);
    QStringList atomList(xcb_window_t window, const char* property);

    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
};
