#include "X11Probe.h"

#include <cstdlib>
#include <memory>

namespace {
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* raw)
{
    return Reply<T>(raw, &std::free);
}
} // namespace

X11Probe::X11Probe() : m_connection(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(m_connection) == 0)
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

X11Probe::~X11Probe()
{
    xcb_disconnect(m_connection);
}

xcb_atom_t X11Probe::atom(const char* name)
{
    auto r = reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(qstrlen(name)), name), nullptr));
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

QString X11Probe::atomName(xcb_atom_t a)
{
    auto r = reply(xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, a), nullptr));
    if (!r)
        return {};
    return QString::fromLatin1(xcb_get_atom_name_name(r.get()), xcb_get_atom_name_name_length(r.get()));
}

QString X11Probe::title(xcb_window_t window)
{
    auto r = reply(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 0, 1024), nullptr));
    if (!r || xcb_get_property_value_length(r.get()) == 0)
        return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(r.get())),
                             xcb_get_property_value_length(r.get()));
}

QList<xcb_window_t> X11Probe::windowsTitled(const QString& wanted)
{
    QList<xcb_window_t> found;
    auto tree = reply(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
    if (!tree)
        return found;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        auto attributes = reply(xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, children[i]), nullptr));
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && title(children[i]) == wanted)
            found << children[i];
    }
    return found;
}

xcb_window_t X11Probe::transientFor(xcb_window_t window)
{
    auto r = reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!r || xcb_get_property_value_length(r.get()) < 4)
        return 0;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(r.get()));
}

QStringList X11Probe::atomList(xcb_window_t window, const char* property)
{
    QStringList names;
    auto r = reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, atom(property), XCB_ATOM_ATOM, 0, 64), nullptr));
    if (!r)
        return names;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(r.get()));
    const int count = xcb_get_property_value_length(r.get()) / 4;
    for (int i = 0; i < count; ++i)
        names << atomName(atoms[i]);
    return names;
}

QRect X11Probe::geometry(xcb_window_t window)
{
    auto g = reply(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    auto t = reply(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr));
    if (!g || !t)
        return {};
    return QRect(t->dst_x, t->dst_y, g->width, g->height);
}
