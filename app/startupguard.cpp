// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupguard.h"

#include <cstdio>
#include <utility>

StartupGuard::StartupGuard(QString programName)
    : MessageGuard(std::move(programName))
{}

StartupGuard::~StartupGuard()
{
    finish();
}

void StartupGuard::finish()
{
    release();
    for (const QString& message : std::as_const(m_held)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    m_held.clear();
}

bool StartupGuard::take(QtMsgType type, const QString& message)
{
    if (type != QtFatalMsg) {
        m_held.append(message);
        return true;
    }
    // Qt's own words name plugins and environment variables a player never set; one line says what
    // matters. The first held message is usually the platform's reason ("could not connect to display").
    const QString detail =
        (m_held.isEmpty() ? message : m_held.first()).section(QLatin1Char('\n'), 0, 0).trimmed();
    // Nothing has been built that needs tearing down, and Qt's half-made platform state must not run
    // its destructors.
    endProcess(
        kNoDisplayStatus,
        QStringLiteral("cannot start: no display could be opened (%1): %2").arg(displayInUse(), detail));
}
