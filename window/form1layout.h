// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formlayout.h"

#include <chrono>

// The layout of the game's one window.
const FormLayout& form1Layout();

// The window's client area, in twips.
inline constexpr int kForm1WidthTwips = 5310;
inline constexpr int kForm1HeightTwips = 4830;

// The pace of the window's two timers. The layout starts the die timer at the die period and the
// marquee timer at its slower pace; the game switches them between these (and 0, stopped).
namespace Form1Pace {

using namespace std::chrono_literals;

// A rolling die shows a new face every die period.
inline constexpr std::chrono::milliseconds kDiePeriod = 50ms;
// The marquee steps one character per period: faster while waiting for "Begin", slower at the start
// and over a result.
inline constexpr std::chrono::milliseconds kMarqueeWaitingPeriod = 40ms;
inline constexpr std::chrono::milliseconds kMarqueeResultPeriod = 50ms;

} // namespace Form1Pace
