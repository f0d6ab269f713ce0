// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game with its real generator, over many ticks and games, driven without the event loop.
#include "gamefixture.h"
#include "splitmix64.h"

#include <array>

#include <gtest/gtest.h>

namespace {

class SimulatedGame : public ::testing::Test {
protected:
    SimulatedGame()
        : form(generator)
    {
        form.load();
        generator.seed(20261208.0); // after the load, which seeds from the clock: a fixed sequence
    }

    // Ticks the die until the computer's roll is fixed; returns how many ticks that took.
    int rollComputer()
    {
        int ticks = 0;
        do {
            form.Timer1_Timer();
            ++ticks;
        } while (form.state() != GameState::ReadyToRoll);
        return ticks;
    }

    SplitMix64 generator;
    Form1 form;
};

TEST_F(SimulatedGame, facesAreUniform)
{
    rollComputer();
    form.Command1_Click(); // the player's die rolls and never stops by chance
    constexpr int kTicks = 60000;
    std::array<int, 6> counts{};
    for (int tick = 0; tick < kTicks; ++tick) {
        form.Timer1_Timer();
        const int face = captionOf(form, "Num").toInt();
        ASSERT_GE(face, 1);
        ASSERT_LE(face, 6);
        ++counts[static_cast<std::size_t>(face - 1)];
    }
    ASSERT_EQ(form.state(), GameState::PlayerRolling);
    const double expected = kTicks / 6.0;
    double chiSquare = 0;
    for (const int count : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    // 5 degrees of freedom: above 20.52 happens by chance once in a thousand.
    EXPECT_LT(chiSquare, 20.52);
}

TEST_F(SimulatedGame, computerStopsAfterTwentyTicksOnAverage)
{
    rollComputer();
    constexpr int kGames = 5000;
    long long ticks = 0;
    for (int game = 0; game < kGames; ++game) {
        form.Command1_Click(); // Begin
        form.Timer1_Timer();
        form.Command1_Click(); // Stop
        form.Command1_Click(); // Begin: the computer's die rolls
        ticks += rollComputer();
    }
    // Geometric with p = 1/20: mean 20, standard deviation of the mean sqrt(380 / 5000) = 0.28.
    const double mean = static_cast<double>(ticks) / kGames;
    EXPECT_NEAR(mean, 20.0, 1.2);
}

TEST_F(SimulatedGame, scoresAddUpToTenPerGame)
{
    rollComputer();
    for (int game = 1; game <= 3000; ++game) {
        form.Command1_Click();
        for (int tick = 0; tick < game % 7 + 1; ++tick) {
            form.Timer1_Timer();
        }
        form.Command1_Click();
        ASSERT_EQ(captionOf(form, "cscore").toLongLong() + captionOf(form, "yscore").toLongLong(),
                  10LL * game);
        form.Command1_Click();
        rollComputer();
    }
}

} // namespace
