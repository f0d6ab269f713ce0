// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Where the game stands. One game runs OpeningRoll/ComputerRolling -> ReadyToRoll -> PlayerRolling ->
// ShowingResult -> ComputerRolling -> ...; the button and the die timer move it on.
enum class GameState : std::int16_t {
    OpeningRoll = 0,     // the computer's first roll, taken on the first die tick (or a click before it)
    ReadyToRoll = 1,     // the computer's roll is fixed; "Begin" starts the player's die
    PlayerRolling = 2,   // the player's die rolls until "Stop"
    ShowingResult = 3,   // both rolls and the result are shown; "Begin" starts the computer's die
    ComputerRolling = 4, // the computer's die rolls until it stops by chance
};
