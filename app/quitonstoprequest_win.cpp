// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stop requests on Windows: Ctrl+C, Ctrl+Break and the console window closing, for a game started
// from a console. The program is a windowed one and has no console of its own: started from a console
// (cmd, PowerShell), it joins that console at start (Terminal::attach), so what is typed there
// reaches it as it reaches the programs the console runs; started from Explorer there is none to
// join. The console's control handler runs on a thread of its own, so it only queues the request for
// the event loop. For a close, Windows ends the process once the handler returns, so the handler
// gives the loop time to finish first.
#include "logging.h"
#include "quitonstoprequest.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <windows.h>

#include <QCoreApplication>
#include <QMetaObject>

namespace {

std::atomic<bool> g_installed{false};

// How long a close request waits for the loop to end before Windows ends the process itself (Windows
// allows a handler about five seconds).
constexpr std::chrono::seconds kCloseGrace{4};

const char* eventName(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
        return "Ctrl+C";
    case CTRL_BREAK_EVENT:
        return "Ctrl+Break";
    case CTRL_CLOSE_EVENT:
        return "console close";
    case CTRL_LOGOFF_EVENT:
        return "logoff";
    case CTRL_SHUTDOWN_EVENT:
        return "shutdown";
    default:
        return nullptr;
    }
}

BOOL WINAPI handleControl(DWORD event)
{
    const char* name = eventName(event);
    if (name == nullptr) {
        return FALSE;
    }
    qCDebug(lcSignals) << "ending on" << name;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        std::this_thread::sleep_for(kCloseGrace);
    }
    return TRUE;
}

} // namespace

struct QuitOnStopRequest::Platform {
    bool installed = false;
};

QuitOnStopRequest::QuitOnStopRequest(QObject* parent)
    : QObject(parent)
    , m_platform(std::make_unique<Platform>())
{
    if (g_installed.exchange(true)) {
        qCWarning(lcSignals) << "stop requests are already handled by another QuitOnStopRequest";
        return;
    }
    // The handler serves the console the program joined at start (Terminal::attach), if any.
    if (SetConsoleCtrlHandler(&handleControl, TRUE) == 0) {
        qCWarning(lcSignals) << "cannot handle console stop requests: error" << GetLastError();
        g_installed = false;
        return;
    }
    m_platform->installed = true;
    qCDebug(lcSignals) << "ending the program on Ctrl+C, Ctrl+Break and console close";
}

QuitOnStopRequest::~QuitOnStopRequest()
{
    if (m_platform->installed) {
        SetConsoleCtrlHandler(&handleControl, FALSE);
        g_installed = false;
    }
}
