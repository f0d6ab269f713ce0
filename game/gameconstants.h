// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1layout.h"

#include <array>
#include <chrono>
#include <initializer_list>

// The pace and the numbers of the game, named once. The timers' periods belong to the window's layout,
// which starts the timers with them.
namespace GameConstants {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kStopped = 0ms;
using Form1Pace::kDiePeriod;
using Form1Pace::kMarqueeResultPeriod;
using Form1Pace::kMarqueeWaitingPeriod;

// Chance per die tick that the computer's die stops: about one second of rolling on average.
inline constexpr float kStopChance = 0.05f;

inline constexpr int kFaces = 6;
// The pips shown for each face, 1 to 6, by index on the die: 0 1 / 2 3 4 / 5 6 in rows.
inline constexpr std::array<std::initializer_list<int>, kFaces> kFacePips{{
    {3},
    {0, 6},
    {0, 3, 6},
    {0, 1, 5, 6},
    {0, 1, 3, 5, 6},
    {0, 1, 2, 4, 5, 6},
}};
inline constexpr int kPipCount = 7;

inline constexpr int kWinPoints = 10;
inline constexpr int kTiePoints = 5;

// Characters of the scrolling strip shown in the title at a time. The strip is three copies of the
// marquee text (GameTexts::kMarqueeText), so every window of it is full while the text has at least
// half this many characters.
inline constexpr int kTitleWidth = 60;

} // namespace GameConstants
