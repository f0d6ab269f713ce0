// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game through the real event loop: timers, clicks and keys arrive as they do for a player.
#include "gamefixture.h"
#include "hanglimit.h"
#include "splitmix64.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class RunningGame : public ::testing::Test {
protected:
    explicit RunningGame(RandomSource& source)
        : form(source)
    {
        form.load();
        form.show();
        form.activateWindow();
    }
    RunningGame()
        : RunningGame(generator)
    {}

    CommandButton& button() { return form.controls().button(QStringLiteral("Command1")); }
    int score(const char* name) const { return captionOf(form, name).toInt(); }
    bool waitForState(GameState state) const
    {
        return QTest::qWaitFor([&] { return form.state() == state; }, kHangLimitMs);
    }

    SplitMix64 generator;
    Form1 form;
};

TEST_F(RunningGame, opensWithTheComputersRollAndTheMarquee)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(waitForState(GameState::ReadyToRoll));
    EXPECT_EQ(captionOf(form, "ctop"), captionOf(form, "Num"));
    EXPECT_EQ(button().caption(), "Begin");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.caption() != "Form1"; }, kHangLimitMs));
    // A window of the marquee text (which the load handler's test pins) as wide as the title.
    EXPECT_EQ(form.caption().size(), GameConstants::kTitleWidth);
    EXPECT_TRUE(form.marquee().repeated(3).contains(form.caption()));
}

TEST_F(RunningGame, clicksWalkWholeGames)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(waitForState(GameState::ReadyToRoll));
    for (int game = 1; game <= 3; ++game) {
        QTest::mouseClick(&button(), Qt::LeftButton);
        ASSERT_EQ(form.state(), GameState::PlayerRolling);
        QTest::qWait(120);
        EXPECT_EQ(form.caption(), "Roll for the Money");
        QTest::mouseClick(&button(), Qt::LeftButton);
        ASSERT_EQ(form.state(), GameState::ShowingResult);
        EXPECT_EQ(score("cscore") + score("yscore"), 10 * game);
        QTest::mouseClick(&button(), Qt::LeftButton);
        ASSERT_EQ(form.state(), GameState::ComputerRolling);
        EXPECT_TRUE(button().isHidden());
        ASSERT_TRUE(waitForState(GameState::ReadyToRoll));
        EXPECT_TRUE(button().isVisible());
    }
}

TEST_F(RunningGame, keyboardAloneWalksWholeGames)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(waitForState(GameState::ReadyToRoll));
    ASSERT_EQ(form.focusWidget(), &button());
    for (int game = 1; game <= 2; ++game) {
        QTest::keyClick(form.focusWidget(), Qt::Key_Space);
        ASSERT_EQ(form.state(), GameState::PlayerRolling);
        QTest::qWait(60);
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
        ASSERT_EQ(form.state(), GameState::ShowingResult);
        QTest::keyClick(form.focusWidget(), Qt::Key_Space);
        ASSERT_EQ(form.state(), GameState::ComputerRolling);
        ASSERT_TRUE(waitForState(GameState::ReadyToRoll));
        // The button took the focus back when it came back, so the next key plays on.
        ASSERT_EQ(form.focusWidget(), &button());
    }
    EXPECT_EQ(score("cscore") + score("yscore"), 20);
}

// The computer's die never stops by itself here, so any change of state must come from a key.
class ComputerNeverStops : public ScriptedRandom {
public:
    ComputerNeverStops()
    {
        for (int i = 0; i < 20000; ++i) {
            queue(0.5f);
        }
    }
};

class RunningScriptedGame : public ::testing::Test {
protected:
    RunningScriptedGame()
        : form(random)
    {
        form.load();
        form.show();
        form.activateWindow();
    }
    ComputerNeverStops random;
    Form1 form;
};

TEST_F(RunningScriptedGame, keysDoNothingWhileTheComputerRolls)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    CommandButton& button = form.controls().button(QStringLiteral("Command1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.state() == GameState::ReadyToRoll; }, kHangLimitMs));
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Space);
    ASSERT_EQ(form.state(), GameState::ComputerRolling);

    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        // Wherever the key lands: the window, whatever holds focus, the hidden button itself.
        QTest::keyClick(&form, key);
        if (QWidget* focus = QApplication::focusWidget()) {
            QTest::keyClick(focus, key);
        }
        QTest::keyClick(&button, key);
        QTest::qWait(60);
        EXPECT_EQ(form.state(), GameState::ComputerRolling) << "key " << key;
    }
    QTest::mouseClick(&form, Qt::LeftButton, {}, button.geometry().center());
    EXPECT_EQ(form.state(), GameState::ComputerRolling);
}

} // namespace
