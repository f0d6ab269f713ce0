// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows every session has its desktop, and no environment variable names it: the platform
// plugin opens the window there, and if it cannot (its DLL missing from plugins/platforms), take()
// reports Qt's reason.
#include "startupguard.h"

bool StartupGuard::displayConfigured() const
{
    return true;
}

QString StartupGuard::displayInUse()
{
    return QStringLiteral("the Windows desktop");
}
