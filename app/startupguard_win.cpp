// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows every session has its desktop, and no environment variable names it: the platform
// plugin opens the window there, and if it cannot (its DLL missing from plugins/platforms), take()
// reports Qt's reason, naming the platform that was tried.
#include "startupguard.h"

bool StartupGuard::displayConfigured()
{
    return true;
}

QString StartupGuard::displayInUse()
{
    return QStringLiteral("QT_QPA_PLATFORM=") +
           qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("windows"));
}
