// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefixture.h"
#include "hanglimit.h"
#include "paintrecorder.h"
#include "runtimeerror.h"
#include "timeofday.h"

#include <algorithm>
#include <cmath>

#include <QTest>

namespace {

const QString kMarquee = QStringLiteral("          P r e s s  Y o u r  L u c k ! ! !         ");

TEST(FormLoad, seedsFromTheTimeOfDayAndTouchesNoControl)
{
    ScriptedRandom random;
    // A second before midnight, where a seed taken from anything but this clock would be far off.
    constexpr float kLateEvening = 86399.0f;
    Form1 form(random, [] { return kLateEvening; });
    const auto snapshot = [&form] {
        QStringList state{form.caption()};
        for (const auto& [name, control] : form.controls().all()) {
            if (auto* label = qobject_cast<Label*>(control)) {
                state << name + '=' + label->caption() + (label->isHidden() ? " hidden" : "");
            } else if (auto* timer = qobject_cast<Timer*>(control)) {
                state << name + '=' + QString::number(timer->interval().count());
            } else if (auto* button = qobject_cast<CommandButton*>(control)) {
                state << name + '=' + button->caption() + (button->isHidden() ? " hidden" : "");
            }
        }
        return state;
    };
    const QStringList before = snapshot();
    form.load();

    ASSERT_EQ(random.seeds.size(), 1U);
    EXPECT_EQ(random.seeds.front(), kLateEvening);
    EXPECT_EQ(form.state(), GameState::OpeningRoll);
    EXPECT_EQ(form.marquee(), kMarquee);
    EXPECT_EQ(form.marquee().size(), 52);
    EXPECT_EQ(form.marqueePosition(), 0);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(form.caption(), "Form1");

    form.load();
    EXPECT_EQ(random.seeds.size(), 1U) << "the load handler runs once";
}

TEST_F(GameTest, playsTheTracedGameStepByStep)
{
    // The first die tick throws a 5 and, in the opening state, fixes it as the computer's roll.
    rollingTick(5);
    EXPECT_EQ(caption("Num"), "5");
    EXPECT_EQ(pipsShown(), (std::set<int>{0, 1, 3, 5, 6}));
    EXPECT_EQ(button(), "Begin");
    EXPECT_TRUE(buttonShown());
    EXPECT_EQ(caption("ctop"), "5");
    EXPECT_EQ(interval("Timer1"), 0);
    EXPECT_EQ(interval("Timer2"), 40);
    EXPECT_EQ(form.state(), GameState::ReadyToRoll);
    EXPECT_EQ(form.caption(), "Form1") << "the title is the marquee's to change";

    form.Timer2_Timer();
    EXPECT_EQ(form.caption(), kMarquee + QString(8, ' '));

    // "Begin" starts the player's die.
    form.Command1_Click();
    EXPECT_EQ(button(), "Stop");
    EXPECT_TRUE(buttonShown());
    EXPECT_EQ(interval("Timer1"), 50);
    EXPECT_EQ(interval("Timer2"), 0);
    EXPECT_EQ(form.caption(), "Roll for the Money");
    EXPECT_EQ(form.state(), GameState::PlayerRolling);

    rollingTick(6, 0.0f);
    rollingTick(3, 0.0f);
    form.Timer2_Timer();
    EXPECT_EQ(caption("Num"), "3");
    EXPECT_EQ(form.state(), GameState::PlayerRolling) << "the player's die stops only on Stop";
    EXPECT_EQ(form.caption(), "Roll for the Money");

    // "Stop" fixes the player's 3 against the computer's 5.
    form.Command1_Click();
    EXPECT_EQ(button(), "Begin");
    EXPECT_EQ(caption("ytop"), "3");
    EXPECT_EQ(caption("ctop"), "5");
    EXPECT_EQ(interval("Timer1"), 0);
    EXPECT_EQ(interval("Timer2"), 50);
    EXPECT_EQ(caption("winlose"), "You Lose...");
    EXPECT_TRUE(shown("winlose"));
    EXPECT_EQ(caption("cscore"), "10");
    EXPECT_EQ(caption("yscore"), "0");
    EXPECT_EQ(form.state(), GameState::ShowingResult);

    // "Begin" starts the computer's die: button and result hidden, both rolls back to 0.
    form.Command1_Click();
    EXPECT_EQ(interval("Timer1"), 50);
    EXPECT_EQ(interval("Timer2"), 0);
    EXPECT_EQ(form.caption(), "Roll for the money");
    EXPECT_FALSE(shown("winlose"));
    EXPECT_FALSE(buttonShown());
    EXPECT_EQ(caption("ctop"), "0");
    EXPECT_EQ(caption("ytop"), "0");
    EXPECT_EQ(form.state(), GameState::ComputerRolling);

    // It rolls until a stop draw below 1 in 20, then fixes the face it shows.
    rollingTick(4, 0.5f);
    EXPECT_EQ(form.state(), GameState::ComputerRolling);
    rollingTick(2, 0.01f);
    EXPECT_EQ(caption("ctop"), "2");
    EXPECT_EQ(button(), "Begin");
    EXPECT_TRUE(buttonShown());
    EXPECT_EQ(interval("Timer1"), 0);
    EXPECT_EQ(interval("Timer2"), 40);
    EXPECT_EQ(form.state(), GameState::ReadyToRoll);
    EXPECT_EQ(random.remaining(), 0U);
}

TEST(Scoring, everyPairOfRollsGivesItsResultAndPoints)
{
    for (int computer = 1; computer <= 6; ++computer) {
        for (int player = 1; player <= 6; ++player) {
            SCOPED_TRACE(testing::Message() << "computer " << computer << ", player " << player);
            ScriptedRandom random;
            Form1 form(random);
            form.load();
            random.queue({drawFor(computer), 0.9f});
            form.Timer1_Timer();
            form.Command1_Click();
            random.queue({drawFor(player), 0.9f});
            form.Timer1_Timer();
            form.Command1_Click();

            const auto& controls = form.controls();
            const QString result = controls.label(QStringLiteral("winlose")).caption();
            const QString computerScore = controls.label(QStringLiteral("cscore")).caption();
            const QString playerScore = controls.label(QStringLiteral("yscore")).caption();
            if (computer > player) {
                EXPECT_EQ(result, "You Lose...");
                EXPECT_EQ(computerScore, "10");
                EXPECT_EQ(playerScore, "0");
            } else if (computer < player) {
                EXPECT_EQ(result, "You Win!!!");
                EXPECT_EQ(computerScore, "0");
                EXPECT_EQ(playerScore, "10");
            } else {
                EXPECT_EQ(result, "It's a Tie!");
                EXPECT_EQ(computerScore, "5");
                EXPECT_EQ(playerScore, "5");
            }
        }
    }
}

TEST_F(GameTest, tieScoresThePlayerFirst)
{
    rollingTick(4);
    form.Command1_Click();
    rollingTick(4);
    form.Command1_Click();
    EXPECT_EQ(caption("winlose"), "It's a Tie!");
    EXPECT_EQ(caption("yscore"), "5");
    EXPECT_EQ(caption("cscore"), "5");

    // A player's score too long to be a number fails the first write of a tie: the computer's score,
    // written second, must not have moved.
    form.controls().label(QStringLiteral("yscore")).setCaption(QString(400, '9'));
    form.Command1_Click();
    rollingTick(6, 0.0f);
    form.Command1_Click();
    rollingTick(6);
    rollingTick(6, 0.9f);
    EXPECT_THROW(form.Command1_Click(), RuntimeError);
    EXPECT_EQ(caption("cscore"), "5");
}

TEST_F(GameTest, aScoreTooLargeForANumberIsAnErrorNotAnInfiniteScore)
{
    // A caption past a double's range cannot become a number; the game stops with an error rather than
    // writing "inf" into the score.
    form.controls().label(QStringLiteral("cscore")).setCaption(QString(310, '9'));
    playFirstGame(1, 6);
    EXPECT_EQ(caption("winlose"), "You Win!!!") << "the computer's score was not touched";
    form.Command1_Click();
    rollingTick(6, 0.0f);
    form.Command1_Click();
    rollingTick(1);
    EXPECT_THROW(form.Command1_Click(), RuntimeError);
    EXPECT_EQ(caption("cscore"), QString(310, '9'));
}

TEST_F(GameTest, scoresGrowAsWholeDecimalText)
{
    // A player who has won a million games, less one.
    form.controls().label(QStringLiteral("yscore")).setCaption(QStringLiteral("9999990"));
    form.controls().label(QStringLiteral("cscore")).setCaption(QStringLiteral("9007199254740990"));
    playFirstGame(2, 5);
    EXPECT_EQ(caption("yscore"), "10000000");
    form.Command1_Click();
    rollingTick(6, 0.0f);
    form.Command1_Click();
    rollingTick(1);
    form.Command1_Click();
    EXPECT_EQ(caption("cscore"), "9007199254741000");
}

TEST_F(GameTest, clickBeforeTheFirstTickTakesTheInitialFour)
{
    form.Command1_Click();
    EXPECT_EQ(caption("ctop"), "4");
    EXPECT_EQ(caption("Num"), "4");
    EXPECT_EQ(pipsShown().size(), 7U) << "the die has not rolled yet";
    EXPECT_EQ(button(), "Begin");
    EXPECT_EQ(form.state(), GameState::ReadyToRoll);
    EXPECT_EQ(random.remaining(), 0U);
}

TEST_F(GameTest, stopDrawNeverActsWhileWaitingOrWhileThePlayerRolls)
{
    rollingTick(3);
    ASSERT_EQ(form.state(), GameState::ReadyToRoll);
    // The die timer is stopped here, so a tick draws only the stop number.
    random.queue(0.0f);
    form.Timer1_Timer();
    EXPECT_EQ(form.state(), GameState::ReadyToRoll);
    EXPECT_EQ(caption("Num"), "3");

    form.Command1_Click();
    rollingTick(2, 0.0f);
    EXPECT_EQ(form.state(), GameState::PlayerRolling);

    form.Command1_Click();
    ASSERT_EQ(form.state(), GameState::ShowingResult);
    random.queue(0.0f);
    form.Timer1_Timer();
    EXPECT_EQ(form.state(), GameState::ShowingResult);
    EXPECT_EQ(random.remaining(), 0U) << "each tick drew exactly its numbers";
}

TEST_F(GameTest, computerStopsOnlyBelowOneInTwenty)
{
    playFirstGame(3, 3);
    form.Command1_Click();
    ASSERT_EQ(form.state(), GameState::ComputerRolling);
    rollingTick(5, 0.05f);
    EXPECT_EQ(form.state(), GameState::ComputerRolling);
    rollingTick(5, std::nextafter(0.05f, 0.0f));
    EXPECT_EQ(form.state(), GameState::ReadyToRoll);
    rollingTick(1, 0.0f);
    EXPECT_EQ(caption("ctop"), "5") << "a stopped die stays stopped";
}

TEST_F(GameTest, buttonIsHiddenWhileTheComputerRolls)
{
    playFirstGame(1, 6);
    EXPECT_EQ(caption("winlose"), "You Win!!!");
    EXPECT_EQ(caption("ctop"), "1");
    EXPECT_EQ(caption("ytop"), "6");
    form.Command1_Click();
    EXPECT_FALSE(buttonShown());
    for (int tick = 0; tick < 5; ++tick) {
        rollingTick(tick % 6 + 1);
        EXPECT_FALSE(buttonShown());
    }
}

TEST_F(GameTest, everyFaceShowsExactlyItsPips)
{
    const std::map<int, std::set<int>> faces{
        {1, {3}},          {2, {0, 6}},          {3, {0, 3, 6}},
        {4, {0, 1, 5, 6}}, {5, {0, 1, 3, 5, 6}}, {6, {0, 1, 2, 4, 5, 6}},
    };
    EXPECT_EQ(pipsShown().size(), 7U) << "all seven pips before the first tick";
    rollingTick(2);
    form.Command1_Click();
    // Each face after each other face: nothing of the previous face may remain.
    for (int before = 1; before <= 6; ++before) {
        for (int face = 1; face <= 6; ++face) {
            rollingTick(before, 0.0f);
            rollingTick(face, 0.0f);
            EXPECT_EQ(pipsShown(), faces.at(face)) << "face " << face << " after " << before;
            EXPECT_EQ(caption("Num"), QString::number(face));
        }
    }
}

TEST_F(GameTest, drawsAtTheEndsOfTheRangeGiveOneAndSix)
{
    rollingTick(1);
    form.Command1_Click();
    random.queue({0.0f, 0.9f});
    form.Timer1_Timer();
    EXPECT_EQ(caption("Num"), "1");
    random.queue({std::nextafter(1.0f, 0.0f), 0.9f});
    form.Timer1_Timer();
    EXPECT_EQ(caption("Num"), "6");
    EXPECT_EQ(pipsShown(), (std::set<int>{0, 1, 2, 4, 5, 6}));
}

TEST_F(GameTest, marqueeScrollsSixtyCharactersAndWrapsAfterFiftyTwo)
{
    const QString strip = kMarquee + kMarquee + kMarquee;
    for (int position = 1; position <= 52; ++position) {
        form.Timer2_Timer();
        ASSERT_EQ(form.marqueePosition(), position);
        ASSERT_EQ(form.caption(), strip.mid(position - 1, 60));
        ASSERT_EQ(form.caption().size(), 60);
    }
    form.Timer2_Timer();
    EXPECT_EQ(form.marqueePosition(), 1);
    EXPECT_EQ(form.caption(), kMarquee + QString(8, ' '));
}

TEST_F(GameTest, marqueeHoldsTheRollTitlesAndResumesOneStepOn)
{
    rollingTick(4);
    form.Timer2_Timer();
    form.Timer2_Timer();
    ASSERT_EQ(form.marqueePosition(), 2);

    form.Command1_Click(); // the player's die rolls; the marquee stops
    for (int tick = 0; tick < 3; ++tick) {
        form.Timer2_Timer();
    }
    EXPECT_EQ(form.caption(), "Roll for the Money");
    EXPECT_EQ(form.marqueePosition(), 2);

    rollingTick(4);
    form.Command1_Click(); // result shown; the marquee runs again at 50 ms
    form.Timer2_Timer();
    EXPECT_EQ(form.marqueePosition(), 3);
    EXPECT_EQ(form.caption(), (kMarquee + kMarquee).mid(2, 60));

    form.Command1_Click(); // the computer's die rolls
    form.Timer2_Timer();
    EXPECT_EQ(form.caption(), "Roll for the money");
}

TEST_F(GameTest, marqueeTickRepaintsNothingAndDieTickOnlyTheDieAndValueBox)
{
    // The real timers must not tick into the scripted draws while the event loop paints.
    form.controls().timer(QStringLiteral("Timer1")).blockSignals(true);
    form.controls().timer(QStringLiteral("Timer2")).blockSignals(true);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // What a change repaints: the window repaints whatever was changed in one pass, so by the time a
    // label updated after the change is repainted, the change's repaints are done.
    const QRect marker = form.controls().label(QStringLiteral("Label2")).geometry();
    const auto repaintedBy = [&](const auto& change) {
        PaintRecorder recorder(form);
        change();
        form.update(marker);
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.painted().intersects(marker); }, kHangLimitMs));
        return recorder.painted() - marker;
    };
    repaintedBy([this] { rollingTick(2); }); // the computer's roll is fixed; the marquee runs
    EXPECT_TRUE(repaintedBy([this] { form.Timer2_Timer(); }).isEmpty())
        << "a marquee tick changes the title only";
    repaintedBy([this] { form.Command1_Click(); }); // the player's die rolls
    const QRegion painted = repaintedBy([this] {
        rollingTick(5, 0.5f);
        rollingTick(1, 0.5f);
    });
    const QRegion dieAndValue = QRegion(form.controls().shape(QStringLiteral("Die")).geometry()) +
                                QRegion(form.controls().label(QStringLiteral("Num")).geometry());
    EXPECT_FALSE(painted.isEmpty());
    EXPECT_TRUE((painted - dieAndValue).isEmpty())
        << "painted outside the die and the value box: " << (painted - dieAndValue).boundingRect().x();
}

} // namespace
