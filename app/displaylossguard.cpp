// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaylossguard.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// How Qt 6's platform plugins word a broken display connection. The X11 plugin has two: one when its
// event reader finds the connection closed, one from the Xlib I/O error handler it installs.
constexpr std::array<QLatin1String, 3> kConnectionLost{
    QLatin1String("The X11 connection broke"),
    QLatin1String("The Wayland connection broke"),
    QLatin1String("The Wayland connection experienced a fatal error"),
};

bool reportsConnectionLost(const QString& message)
{
    return std::any_of(kConnectionLost.begin(), kConnectionLost.end(),
                       [&message](QLatin1String prefix) { return message.startsWith(prefix); });
}

} // namespace

DisplayLossGuard::DisplayLossGuard(DisplayChoice display)
    : m_display(std::move(display))
{}

bool DisplayLossGuard::take(QtMsgType type, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || !reportsConnectionLost(message)) {
        return false;
    }
    const QString display = m_display.name(message.contains(QLatin1String("Wayland")));
    // The game keeps nothing that needs saving, and with the connection gone neither the window nor the
    // application can be torn down normally: end here, before Qt's or Xlib's exit() runs the exit
    // handlers under threads that are still running.
    //: %1 names the display ("DISPLAY=:0"), %2 is the reason the system gave (in English).
    endProcess(
        kDisplayLostStatus,
        tr("lost the display (%1): %2").arg(display, message.section(QLatin1Char('\n'), 0, 0).trimmed()));
}
