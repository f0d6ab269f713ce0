// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hanglimit.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private headless Wayland compositor for one test. Its socket lives in a runtime directory of its own
// (XDG_RUNTIME_DIR must be private to the user, which QTemporaryDir's 0700 folder is), so it never meets
// a compositor of the desktop or of another test. It is stopped when the object goes away.
class WaylandServer {
public:
    // weston leaves a window's title bar to the client; phoc (wlroots) offers xdg-decoration and draws
    // it. Both run as root, as the tests may.
    enum class Compositor { Weston, Phoc };

    explicit WaylandServer(Compositor compositor = Compositor::Weston);
    ~WaylandServer();
    WaylandServer(const WaylandServer&) = delete;
    WaylandServer& operator=(const WaylandServer&) = delete;

    // False, with the reason in error(), if the compositor's socket did not appear within timeoutMs.
    bool start(int timeoutMs = kHangLimitMs);
    QString runtimeDir() const { return m_runtimeDir.path(); }
    // wayland-0, the name a client connects to when WAYLAND_DISPLAY is not set (phoc cannot be given
    // another).
    QString socketName() const;
    QString error() const { return m_error; }
    // Ends the compositor (SIGTERM) and waits for it.
    void stop();

private:
    Compositor m_compositor;
    QTemporaryDir m_runtimeDir;
    QProcess m_process;
    QString m_error;
};
