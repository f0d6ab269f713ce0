// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hanglimit.h"

#include <QProcess>
#include <QString>

// A private X server (Xvfb) for one test. It picks a free display number itself and reports it through
// -displayfd once it accepts connections, so the test neither guesses a number nor sleeps. The server is
// stopped when the object goes away.
class XvfbServer {
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // False, with the reason in error(), if the server did not come up within timeoutMs.
    bool start(int timeoutMs = kHangLimitMs);
    // ":N", valid after a successful start().
    QString display() const { return m_display; }
    QString error() const { return m_error; }
    // Ends the server as a user's session ending would (SIGTERM) and waits for it.
    void stop();

private:
    QProcess m_process;
    QString m_display;
    QString m_error;
};
