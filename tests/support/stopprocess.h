// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hanglimit.h"

#include <QProcess>

// Ends a helper server a test started: politely first, so it can remove its sockets and lock files,
// then by force if it does not go.
inline void stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(kHangLimitMs)) {
        process.kill();
        process.waitForFinished(kHangLimitMs);
    }
}
