// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The program's log categories, named once here for the program and for whatever reads its log (the
// tests, the benchmark). Each is off below its level unless enabled, e.g.
// QT_LOGGING_RULES="highroll.ticks.debug=true".

// One line per timer tick: the timer's layout name and the steady (CLOCK_MONOTONIC) time in ms, which
// bench.sh turns into tick periods.
Q_DECLARE_LOGGING_CATEGORY(lcTicks)
// When the handlers of stop requests are in place, and which request ended the program.
Q_DECLARE_LOGGING_CATEGORY(lcSignals)
// The fonts registered from beside the program (Windows), and the size each caption is drawn at.
Q_DECLARE_LOGGING_CATEGORY(lcFonts)
// What a screen reader is given (Windows, where no other tool shows it).
Q_DECLARE_LOGGING_CATEGORY(lcAccessibility)
