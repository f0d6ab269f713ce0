// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging.h"

Q_LOGGING_CATEGORY(lcTicks, "highroll.ticks", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSignals, "highroll.signals", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFonts, "highroll.fonts", QtInfoMsg)
Q_LOGGING_CATEGORY(lcAccessibility, "highroll.accessibility", QtInfoMsg)
