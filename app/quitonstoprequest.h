// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QObject>

// Ends the program cleanly when the system asks it to stop: on Linux and the other Unix systems
// SIGTERM (the session ending, a service manager), SIGINT (Ctrl+C in a terminal) and SIGHUP (the
// terminal closed); on Windows Ctrl+C, Ctrl+Break and the console window closing. The event loop then
// returns 0, so the window and the application are torn down as after a normal close. A request that
// arrives before exec() is acted on once the loop runs. Create it after the application object; only
// one may exist at a time. If it cannot be set up, a warning says why and the requests keep the
// system's default action.
class QuitOnStopRequest : public QObject {
    Q_OBJECT

public:
    explicit QuitOnStopRequest(QObject* parent = nullptr);
    ~QuitOnStopRequest() override;
    QuitOnStopRequest(const QuitOnStopRequest&) = delete;
    QuitOnStopRequest& operator=(const QuitOnStopRequest&) = delete;

private:
    struct Platform; // what the platform's file keeps: handlers, pipe, notifier
    std::unique_ptr<Platform> m_platform;
};
