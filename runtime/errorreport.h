// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>

// The one place a run-time error ends up. It stops every further handler, tells the player what went
// wrong (on stderr, and in a message box when there is a screen to show it on) and ends the event loop
// with kRuntimeErrorStatus; before the loop runs, the caller of run() ends the program with it.
namespace ErrorReport {

inline constexpr int kRuntimeErrorStatus = 2;

void report(const QString& message);

// Runs code of the game (a handler, building or loading a form) and reports what it throws: a
// RuntimeError, running out of memory, any other std::exception. False once a report has been made,
// by this code or earlier; then the code is not run at all.
bool run(const std::function<void()>& code);

// True once a report has been made: from then on no handler runs, so a timer that ticks while the
// message box is open cannot act on a half-finished state.
bool handlersHalted();

} // namespace ErrorReport
