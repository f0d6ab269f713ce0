// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The one place a run-time error ends up. It stops every further handler, tells the player what went
// wrong (on stderr, and in a message box when there is a screen to show it on) and ends the program
// with kRuntimeErrorStatus.
namespace ErrorReport {

inline constexpr int kRuntimeErrorStatus = 2;

void report(const QString& message);

// True once a report has been made: from then on no handler runs, so a timer that ticks while the
// message box is open cannot act on a half-finished state.
bool handlersHalted();

} // namespace ErrorReport
