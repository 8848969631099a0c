// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window manager really did, asked of the X server through the
// test's own xcb connection rather than of Qt: frame rectangles, window
// properties, the stacking order; and requests sent to the window manager
// the way its buttons, pagers and taskbars send them.

#include <QByteArrayList>
#include <QGuiApplication>
#include <QRect>
#include <QVector>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>
#include <cstdlib>
#include <memory>

namespace wmprobe {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// The application's own connection; nullptr on a platform other than xcb.
inline xcb_connection_t *connection()
{
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return x11->connection();
    return nullptr;
}

inline xcb_window_t rootWindow()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

inline xcb_window_t windowOf(QWidget *widget)
{
    return xcb_window_t(widget->winId());
}

inline xcb_atom_t atom(const char *name)
{
    xcb_connection_t *c = connection();
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit items of a window property; empty when it is absent.
inline QVector<quint32> property32(xcb_window_t window, const char *name,
                                   xcb_atom_t type = XCB_ATOM_ANY)
{
    QVector<quint32> items;
    xcb_connection_t *c = connection();
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atom(name), type, 0, 1024), nullptr));
    if (!reply || reply->format != 32)
        return items;
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        items.append(values[i]);
    return items;
}

inline QByteArray atomName(xcb_atom_t value)
{
    xcb_connection_t *c = connection();
    Reply<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(c, xcb_get_atom_name(c, value), nullptr));
    if (!reply)
        return {};
    return QByteArray(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()));
}

inline QByteArrayList atomList(xcb_window_t window, const char *name)
{
    QByteArrayList names;
    for (quint32 value : property32(window, name, XCB_ATOM_ATOM))
        names << atomName(value);
    return names;
}

// The window's ancestor that is a child of the root: the frame the window
// manager put around it, or the window itself while it has none.
inline xcb_window_t topAncestor(xcb_window_t window)
{
    xcb_connection_t *c = connection();
    for (;;) {
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree || tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
}

// The outer rectangle of the window's frame, in screen coordinates.
inline QRect frameRect(xcb_window_t window)
{
    xcb_connection_t *c = connection();
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, topAncestor(window)), nullptr));
    if (!geometry)
        return {};
    const int border = 2 * geometry->border_width;
    return QRect(geometry->x, geometry->y, geometry->width + border, geometry->height + border);
}

// The root's children from bottom to top: the server's real stacking order.
inline QVector<xcb_window_t> stackedFrames()
{
    QVector<xcb_window_t> frames;
    xcb_connection_t *c = connection();
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, rootWindow()), nullptr));
    if (!tree)
        return frames;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        frames.append(children[i]);
    return frames;
}

// The client windows the window manager manages, bottom to top.
inline QVector<quint32> managedWindows()
{
    return property32(rootWindow(), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW);
}

// The top-level window the pointer would hit at a screen point.
inline xcb_window_t frameAt(QPoint point)
{
    xcb_connection_t *c = connection();
    const xcb_window_t root = rootWindow();
    Reply<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, root, root, int16_t(point.x()), int16_t(point.y())), nullptr));
    return reply ? reply->child : xcb_window_t(XCB_WINDOW_NONE);
}

// The name the running window manager gives itself; empty when none runs.
inline QByteArray windowManagerName()
{
    if (!connection())
        return {};
    const QVector<quint32> check = property32(rootWindow(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
    if (check.isEmpty())
        return {};
    xcb_connection_t *c = connection();
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, check.constFirst(), atom("_NET_WM_NAME"), atom("UTF8_STRING"), 0, 256),
        nullptr));
    if (!reply)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

// A request to the window manager about a window, as a client message to
// the root (the way pagers, taskbars and the frame's own buttons ask).
inline void sendToWindowManager(xcb_window_t window, const char *type, quint32 d0, quint32 d1 = 0,
                                quint32 d2 = 0)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(type);
    event.data.data32[0] = d0;
    event.data.data32[1] = d1;
    event.data.data32[2] = d2;
    xcb_send_event(connection(), 0, rootWindow(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection());
}

// Source indication "pager" in the requests below: obeyed like the user's own.
constexpr quint32 sourcePager = 2;

// Moves the frame's corner to a point, as a user's drag would.
inline void moveFrameTo(QWidget *widget, QPoint corner)
{
    const quint32 northWestWithXAndY = 1 | (1 << 8) | (1 << 9) | (sourcePager << 12);
    sendToWindowManager(windowOf(widget), "_NET_MOVERESIZE_WINDOW", northWestWithXAndY,
                        quint32(corner.x()), quint32(corner.y()));
}

// What the frame's close box does.
inline void closeByWindowManager(QWidget *widget)
{
    sendToWindowManager(windowOf(widget), "_NET_CLOSE_WINDOW", XCB_CURRENT_TIME, sourcePager);
}

// What the frame's minimise box does (ICCCM: IconicState).
inline void minimiseByWindowManager(QWidget *widget)
{
    sendToWindowManager(windowOf(widget), "WM_CHANGE_STATE", 3);
}

// Shown, exposed, framed by the window manager, and Qt's idea of the frame
// agreeing with the server's.
inline bool framed(QWidget *widget)
{
    if (!widget->isVisible() || !widget->windowHandle() || !widget->windowHandle()->isExposed())
        return false;
    const xcb_window_t window = windowOf(widget);
    return property32(window, "_NET_FRAME_EXTENTS").size() == 4
           && frameRect(window) == widget->frameGeometry();
}

// Gone for the window manager too: no longer among its managed windows.
inline bool unmanaged(quint32 window)
{
    return !managedWindows().contains(window);
}

} // namespace wmprobe

// Skips a test off X11 and fails it when no window manager runs on the
// display, so that a broken runner cannot pass silently.
#define WMPROBE_REQUIRE_WINDOW_MANAGER()                                                          \
    do {                                                                                          \
        if (QGuiApplication::platformName() != QLatin1String("xcb"))                              \
            QSKIP("needs X11 and a window manager: run through scripts/run-with-wm.sh");        \
        QVERIFY2(!wmprobe::windowManagerName().isEmpty(), "no window manager runs on this display"); \
    } while (false)
