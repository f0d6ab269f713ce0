// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11desktop.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

// xcb replies are malloc'ed and must be freed with free().
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// An icon side beyond this is a malformed _NET_WM_ICON rather than an image worth reading.
constexpr std::uint32_t kMaxIconSide = 1024;

} // namespace

X11Desktop::X11Desktop(const QString& display)
{
    int screenNumber = 0;
    m_connection = xcb_connect(display.toLocal8Bit().constData(), &screenNumber);
    if (xcb_connection_has_error(m_connection) != 0) {
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int index = 0; index < screenNumber && screens.rem > 0; ++index) {
        xcb_screen_next(&screens);
    }
    if (screens.rem > 0) {
        m_root = screens.data->root;
    }
}

X11Desktop::~X11Desktop()
{
    // xcb_disconnect also frees a connection that failed, as xcb_connect always returns one.
    xcb_disconnect(m_connection);
}

bool X11Desktop::connected() const
{
    return xcb_connection_has_error(m_connection) == 0 && m_root != 0;
}

std::uint32_t X11Desktop::atom(const char* name) const
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : static_cast<std::uint32_t>(XCB_ATOM_NONE);
}

QByteArray X11Desktop::property(Window window, std::uint32_t name, std::uint32_t type,
                                std::uint32_t offsetUnits, std::uint32_t lengthUnits) const
{
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, name, type, offsetUnits, lengthUnits),
        nullptr));
    if (!reply || reply->type != type) {
        return {};
    }
    const int length = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
}

X11Desktop::Window X11Desktop::windowOf(qint64 pid) const
{
    if (!connected()) {
        return 0;
    }
    const std::uint32_t netWmPid = atom("_NET_WM_PID");
    const std::uint32_t wmProtocols = atom("WM_PROTOCOLS");
    const std::uint32_t wmDeleteWindow = atom("WM_DELETE_WINDOW");

    const ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
    if (!tree) {
        return 0;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int index = 0; index < count; ++index) {
        const xcb_window_t window = children[index];
        const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
            continue;
        }
        const QByteArray pidValue = property(window, netWmPid, XCB_ATOM_CARDINAL);
        std::uint32_t windowPid = 0;
        if (pidValue.size() != sizeof windowPid) {
            continue;
        }
        std::memcpy(&windowPid, pidValue.constData(), sizeof windowPid);
        if (windowPid != pid) {
            continue;
        }
        const QByteArray protocols = property(window, wmProtocols, XCB_ATOM_ATOM);
        for (qsizetype offset = 0; offset + 4 <= protocols.size(); offset += 4) {
            std::uint32_t protocol = 0;
            std::memcpy(&protocol, protocols.constData() + offset, sizeof protocol);
            if (protocol == wmDeleteWindow) {
                return window;
            }
        }
    }
    return 0;
}

QString X11Desktop::title(Window window) const
{
    const QByteArray name = property(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"));
    if (!name.isEmpty()) {
        return QString::fromUtf8(name);
    }
    return QString::fromLatin1(property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING));
}

QStringList X11Desktop::wmClass(Window window) const
{
    // Two null-terminated Latin-1 strings (ICCCM 4.1.2.5).
    const QByteArray value = property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
    QStringList names;
    for (const QByteArray& name : value.split('\0')) {
        if (!name.isEmpty()) {
            names.append(QString::fromLatin1(name));
        }
    }
    return names;
}

QImage X11Desktop::icon(Window window) const
{
    // _NET_WM_ICON holds width, height, then width * height ARGB pixels (not premultiplied), then the next
    // image; 32-bit values arrive in this client's byte order.
    const std::uint32_t netWmIcon = atom("_NET_WM_ICON");
    const QByteArray size = property(window, netWmIcon, XCB_ATOM_CARDINAL, 0, 2);
    std::uint32_t side[2] = {};
    if (size.size() != sizeof side) {
        return {};
    }
    std::memcpy(side, size.constData(), sizeof side);
    if (side[0] == 0 || side[1] == 0 || side[0] > kMaxIconSide || side[1] > kMaxIconSide) {
        return {};
    }
    const QByteArray pixels = property(window, netWmIcon, XCB_ATOM_CARDINAL, 2, side[0] * side[1]);
    QImage image(static_cast<int>(side[0]), static_cast<int>(side[1]), QImage::Format_ARGB32);
    if (pixels.size() != image.sizeInBytes()) {
        return {};
    }
    std::memcpy(image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    return image;
}

bool X11Desktop::requestClose(Window window) const
{
    if (!connected()) {
        return false;
    }
    // A client message is 32 bytes on the wire; xcb_send_event copies exactly that many.
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // No event mask: the event goes to the client that created the window, as ICCCM asks.
    const xcb_void_cookie_t cookie = xcb_send_event_checked(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                                                            reinterpret_cast<const char*>(&message));
    const ReplyPtr<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie));
    return !error;
}
