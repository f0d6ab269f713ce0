// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// The pace and the numbers of the game, named once.
namespace GameConstants {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kStopped = 0ms;
// A rolling die shows a new face every die period.
inline constexpr std::chrono::milliseconds kDiePeriod = 50ms;
// The marquee steps one character per period: faster while waiting for "Begin", slower over a result.
inline constexpr std::chrono::milliseconds kMarqueeWaitingPeriod = 40ms;
inline constexpr std::chrono::milliseconds kMarqueeResultPeriod = 50ms;

// Chance per die tick that the computer's die stops: about one second of rolling on average.
inline constexpr float kStopChance = 0.05f;

inline constexpr int kFaces = 6;
inline constexpr int kPipCount = 7;

inline constexpr int kWinPoints = 10;
inline constexpr int kTiePoints = 5;

// Characters of the scrolling strip shown in the title at a time.
inline constexpr int kTitleWidth = 60;

} // namespace GameConstants
