// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <QImage>
#include <QString>
#include <QStringList>

struct xcb_connection_t;

// What a test needs of a window manager, over a connection of its own to an X display: find the
// window a process put up, read its title, class and icon, and ask it to close. Closing sends
// WM_DELETE_WINDOW, as a window manager's close button does (ICCCM 4.2.8.1), rather than destroying the
// window or killing the client, so the program goes through its own close handling.
class X11Desktop {
public:
    using Window = std::uint32_t;

    explicit X11Desktop(const QString& display);
    ~X11Desktop();
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    bool connected() const;

    // The mapped top-level window of process pid that accepts WM_DELETE_WINDOW; 0 while there is
    // none. Without a window manager, top-level windows are children of the root window.
    Window windowOf(qint64 pid) const;
    // _NET_WM_NAME, or WM_NAME when a client sets only that.
    QString title(Window window) const;
    // WM_CLASS: the instance and the class name, in that order; empty when the window has none.
    QStringList wmClass(Window window) const;
    // The first image of _NET_WM_ICON; a null image when the window has no icon or a malformed one.
    QImage icon(Window window) const;
    // Sends the close request; false if it could not be sent.
    bool requestClose(Window window) const;

private:
    std::uint32_t atom(const char* name) const;
    // Property values are read up to this many 32-bit units unless the caller asks for more: far more
    // than a title or a protocol list has.
    static constexpr std::uint32_t kMaxPropertyUnits = 4096;
    QByteArray property(Window window, std::uint32_t name, std::uint32_t type, std::uint32_t offsetUnits = 0,
                        std::uint32_t lengthUnits = kMaxPropertyUnits) const;

    xcb_connection_t* m_connection = nullptr;
    Window m_root = 0;
};
