// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows every session has its desktop, and nothing names it: the platform plugin opens the window
// there, and if it cannot (its DLL missing from plugins/platforms), the StartupGuard reports Qt's reason,
// naming the platform that was tried. There is no Wayland compositor to ask anything.
#include "displaychoice.h"

#include <utility>

#include <QtGlobal>

DisplayChoice::DisplayChoice(QString platform, QString /*display*/)
    : m_platform(platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("windows"))
                                    : std::move(platform))
{}

bool DisplayChoice::available() const
{
    return true;
}

bool DisplayChoice::wayland() const
{
    return false;
}

void DisplayChoice::prepare()
{}

QString DisplayChoice::name(bool /*wayland*/) const
{
    return QStringLiteral("QT_QPA_PLATFORM=") + m_platform;
}
