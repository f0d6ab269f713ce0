// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// In a web browser the display is the page: the platform plugin opens the window in it, and there is no
// server to name or compositor to ask.
#include "displaychoice.h"

#include <utility>

DisplayChoice::DisplayChoice(QString platform, QString /*display*/)
    : m_platform(platform.isEmpty() ? QStringLiteral("wasm") : std::move(platform))
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
