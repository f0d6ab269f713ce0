// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stop requests on Windows: Ctrl+C, Ctrl+Break and the console window closing, for a game started
// from a console. The console's control handler runs on a thread of its own, so it only queues the
// request for the event loop. For a close, Windows ends the process once the handler returns, so the
// handler gives the loop time to finish first.
#include "quitonstoprequest.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <windows.h>

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMetaObject>

namespace {

Q_LOGGING_CATEGORY(lcSignals, "highroll.signals", QtInfoMsg)

std::atomic<bool> g_installed{false};

// How long a close request waits for the loop to end before Windows ends the process itself (Windows
// allows a handler about five seconds).
constexpr std::chrono::seconds kCloseGrace{4};

BOOL WINAPI handleControl(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        break;
    default:
        return FALSE;
    }
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
