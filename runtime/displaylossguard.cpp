// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaylossguard.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

namespace {

DisplayLossGuard* g_guard = nullptr;
// Set by the first thread that reports the loss. Qt's event thread and the GUI thread can both see the
// broken connection; the process must still say so once and end once.
std::atomic<bool> g_failing{false};

// How Qt 6's platform plugins word a broken display connection. The X11 plugin has two: one when its
// event reader finds the connection closed, one from the Xlib I/O error handler it installs.
constexpr std::array<QLatin1String, 3> kConnectionLost{
    QLatin1String("The X11 connection broke"),
    QLatin1String("The Wayland connection broke"),
    QLatin1String("The Wayland connection experienced a fatal error"),
};

bool reportsConnectionLost(const QString& message)
{
    for (const QLatin1String prefix : kConnectionLost) {
        if (message.startsWith(prefix)) {
            return true;
        }
    }
    return false;
}

} // namespace

DisplayLossGuard::DisplayLossGuard(QString programName)
    : m_programName(std::move(programName))
{
    g_guard = this;
    m_previous = qInstallMessageHandler(&DisplayLossGuard::handleMessage);
}

DisplayLossGuard::~DisplayLossGuard()
{
    qInstallMessageHandler(m_previous);
    g_guard = nullptr;
}

void DisplayLossGuard::handleMessage(QtMsgType type, const QMessageLogContext& context,
                                     const QString& message)
{
    if (g_guard == nullptr) {
        return;
    }
    if (type != QtDebugMsg && type != QtInfoMsg && reportsConnectionLost(message)) {
        g_guard->fail(message);
    }
    if (g_guard->m_previous != nullptr) {
        g_guard->m_previous(type, context, message);
    }
}

void DisplayLossGuard::fail(const QString& reason) const
{
    if (g_failing.exchange(true)) {
        // Another thread is already printing the line and ending the process, which ends this one too.
        for (;;) {
            std::this_thread::sleep_for(std::chrono::hours(1));
        }
    }
    const bool wayland = reason.contains(QLatin1String("Wayland"));
    const QString display = wayland
                                ? QStringLiteral("WAYLAND_DISPLAY=") + qEnvironmentVariable("WAYLAND_DISPLAY")
                                : QStringLiteral("DISPLAY=") + qEnvironmentVariable("DISPLAY");
    std::fprintf(stderr, "%s: lost the display (%s): %s\n", qPrintable(m_programName), qPrintable(display),
                 qPrintable(reason.section(QLatin1Char('\n'), 0, 0).trimmed()));
    std::fflush(stderr);
    // The game keeps nothing that needs saving, and with the connection gone neither the window nor the
    // application can be torn down normally: end here, before Qt's or Xlib's exit() runs the exit
    // handlers under threads that are still running.
    std::_Exit(kDisplayLostStatus);
}
