// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux and the other Unix systems the display is named by the environment: an X server's DISPLAY
// or a Wayland compositor's WAYLAND_DISPLAY.
#include "startupguard.h"

bool StartupGuard::displayConfigured()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return true; // a platform was chosen explicitly; if it cannot start, take() says so
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString StartupGuard::displayInUse()
{
    const bool x11 = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                     qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("xcb"));
    return x11 ? QStringLiteral("DISPLAY=") + qEnvironmentVariable("DISPLAY")
               : QStringLiteral("WAYLAND_DISPLAY=") + qEnvironmentVariable("WAYLAND_DISPLAY");
}
