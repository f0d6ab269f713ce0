// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// A storm of clicks and key presses at random moments, in every state of the game, through the real
// event loop and with the real generator, as an impatient player (or a cat on the keyboard) delivers
// them: on the button whether it is shown or hidden, on whatever the pointer is over, on the window and
// on whatever holds the focus. Whatever arrives, the game must neither fail nor skip or repeat a step,
// and every finished game must add exactly 10 points to the two scores together.
#include "errorreport.h"
#include "form1.h"
#include "splitmix64.h"

#include <array>
#include <cstdint>
#include <random>

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The storm's choices (what to send, where, how long to let the game run in between) come from this
// seed, and each round's dice from the round's number, so a failure names an input that the same
// storm sends again. How many die ticks fall between two inputs is real time, though, so a replay
// follows the same path only as far as the machine's pace does.
constexpr std::uint32_t kStormSeed = 0x5EED'D1CEu;
// A fresh window per round: every round opens in OpeningRoll, a state that lasts only until the
// first die tick.
constexpr int kRounds = 4;
constexpr int kActionsPerRound = 900;
// Enough whole games for the score check to mean something. A storm finishes about one a second on an
// idle machine; on a slow one the last round goes on until it has, up to kMostActions inputs.
constexpr int kLeastGames = kRounds * 2;
constexpr int kMostActions = kActionsPerRound * 20;

// The clock the current round's dice are seeded from.
float g_roundSeed = 0.0f;
// Points a finished game adds to the two scores together: 10 for a win, 5 and 5 for a tie.
constexpr int kPointsPerGame = 10;

constexpr std::array kAllStates{GameState::OpeningRoll, GameState::ReadyToRoll, GameState::PlayerRolling,
                                GameState::ShowingResult, GameState::ComputerRolling};

const char* stateName(GameState state)
{
    switch (state) {
    case GameState::OpeningRoll:
        return "OpeningRoll";
    case GameState::ReadyToRoll:
        return "ReadyToRoll";
    case GameState::PlayerRolling:
        return "PlayerRolling";
    case GameState::ShowingResult:
        return "ShowingResult";
    case GameState::ComputerRolling:
        return "ComputerRolling";
    }
    return "?";
}

// The state one activation of the button leads to.
GameState nextState(GameState state)
{
    switch (state) {
    case GameState::OpeningRoll:
    case GameState::ComputerRolling:
        return GameState::ReadyToRoll;
    case GameState::ReadyToRoll:
        return GameState::PlayerRolling;
    case GameState::PlayerRolling:
        return GameState::ShowingResult;
    case GameState::ShowingResult:
        return GameState::ComputerRolling;
    }
    return state;
}

// Whether to is from, or at most steps activations on from it.
bool withinSteps(GameState from, GameState to, int steps)
{
    for (int step = 0; step <= steps; ++step) {
        if (from == to) {
            return true;
        }
        from = nextState(from);
    }
    return false;
}

enum class Input {
    ClickButton, // straight at the button, shown or not
    DoubleClickButton,
    ClickWhereverPointed, // at a random point of the window, to whatever is there
    ClickWindow,          // at the window itself
    SpaceOnButton,
    ReturnOnButton,
    EnterOnButton,
    HeldReturnOnButton, // an auto-repeated Return press: a held key, which must not click again and again
    SpaceOnWindow,
    ReturnOnWindow,
    SpaceOnFocus,
    EnterOnFocus,
};
constexpr int kInputKinds = static_cast<int>(Input::EnterOnFocus) + 1;

class ClickStorm : public ::testing::Test {
protected:
    std::mt19937 storm{kStormSeed};

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(storm); }

    // Sends one input; returns how many activations it can make at most.
    int send(Form1& form, Input input)
    {
        CommandButton& button = form.controls().button(QStringLiteral("Command1"));
        QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &form;
        switch (input) {
        case Input::ClickButton:
            QTest::mouseClick(&button, Qt::LeftButton);
            return 1;
        case Input::DoubleClickButton:
            QTest::mouseDClick(&button, Qt::LeftButton);
            return 2;
        case Input::ClickWhereverPointed: {
            const QPoint point(pick(0, form.width() - 1), pick(0, form.height() - 1));
            QWidget* target = form.childAt(point) != nullptr ? form.childAt(point) : &form;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&form, point));
            return 1;
        }
        case Input::ClickWindow:
            QTest::mouseClick(&form, Qt::LeftButton, {},
                              QPoint(pick(0, form.width() - 1), pick(0, form.height() - 1)));
            return 0;
        case Input::SpaceOnButton:
            QTest::keyClick(&button, Qt::Key_Space);
            return 1;
        case Input::ReturnOnButton:
            QTest::keyClick(&button, Qt::Key_Return);
            return 1;
        case Input::EnterOnButton:
            QTest::keyClick(&button, Qt::Key_Enter);
            return 1;
        case Input::HeldReturnOnButton: {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&button, &repeat);
            return 0;
        }
        case Input::SpaceOnWindow:
            QTest::keyClick(&form, Qt::Key_Space);
            return 0;
        case Input::ReturnOnWindow:
            QTest::keyClick(&form, Qt::Key_Return);
            return 0;
        case Input::SpaceOnFocus:
            QTest::keyClick(focus, Qt::Key_Space);
            return 1;
        case Input::EnterOnFocus:
            QTest::keyClick(focus, Qt::Key_Enter);
            return 1;
        }
        return 0;
    }

    // Lets the game run between two inputs: mostly not at all (inputs back to back), sometimes for a
    // few ticks, now and then long enough for the computer's die to stop by itself.
    void pause()
    {
        const int kind = pick(0, 99);
        if (kind < 70) {
            QCoreApplication::processEvents();
        } else if (kind < 95) {
            QTest::qWait(pick(1, 10));
        } else {
            QTest::qWait(pick(10, 80));
        }
    }
};

TEST_F(ClickStorm, noInputInAnyStateFailsSkipsAStepOrMiscountsAScore)
{
    std::array<int, kAllStates.size()> inputsInState{};
    int finishedGames = 0;
    int inputs = 0;

    for (int round = 0; round < kRounds; ++round) {
        SplitMix64 generator;
        g_roundSeed = static_cast<float>(round + 1);
        Form1 form(generator, [] { return g_roundSeed; });
        form.load();
        form.show();
        form.activateWindow();
        const Label& cscore = form.controls().label(QStringLiteral("cscore"));
        const Label& yscore = form.controls().label(QStringLiteral("yscore"));
        const CommandButton& button = form.controls().button(QStringLiteral("Command1"));
        int roundGames = 0;

        // Checks what a player can see after the game moved from `from` with at most `steps` activations.
        const auto observe = [&](GameState from, int steps, const char* when) {
            const GameState now = form.state();
            ASSERT_FALSE(ErrorReport::handlersHalted()) << "an error was reported " << when;
            ASSERT_TRUE(withinSteps(from, now, steps))
                << stateName(from) << " -> " << stateName(now) << " with at most " << steps << " activations "
                << when;
            if (now == GameState::ShowingResult && from != GameState::ShowingResult) {
                ++roundGames;
                ++finishedGames;
            }
            ASSERT_EQ(cscore.caption().toInt() + yscore.caption().toInt(), kPointsPerGame * roundGames)
                << "after " << roundGames << " games " << when;
            ASSERT_EQ(button.isHidden(), now == GameState::ComputerRolling)
                << "button hidden " << button.isHidden() << " in " << stateName(now) << " " << when;
        };

        const bool lastRound = round == kRounds - 1;
        for (int index = 0;
             index < kActionsPerRound || (lastRound && finishedGames < kLeastGames && index < kMostActions);
             ++index, ++inputs) {
            const auto input = static_cast<Input>(pick(0, kInputKinds - 1));
            const std::string where = "at input " + std::to_string(inputs) + " (kind " +
                                      std::to_string(static_cast<int>(input)) + ") of the storm seeded " +
                                      std::to_string(kStormSeed);
            const GameState before = form.state();
            ++inputsInState[static_cast<std::size_t>(before)];
            const int steps = send(form, input);
            observe(before, steps, where.c_str());
            if (HasFatalFailure()) {
                return;
            }
            // The timers alone move the game only from the computer's rolls, one step at a time.
            const GameState beforePause = form.state();
            pause();
            const bool timerMayMove =
                beforePause == GameState::OpeningRoll || beforePause == GameState::ComputerRolling;
            observe(beforePause, timerMayMove ? 1 : 0, ("in the pause after " + where).c_str());
            if (HasFatalFailure()) {
                return;
            }
        }
    }

    RecordProperty("finishedGames", finishedGames);
    for (const GameState state : kAllStates) {
        RecordProperty(stateName(state), inputsInState[static_cast<std::size_t>(state)]);
        EXPECT_GT(inputsInState[static_cast<std::size_t>(state)], 0)
            << "no input arrived in " << stateName(state);
    }
    EXPECT_GE(finishedGames, kLeastGames) << "only " << finishedGames << " games were finished";
}

} // namespace
