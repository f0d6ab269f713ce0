// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "form1layout.h"
#include "formbuilder.h"
#include "gameconstants.h"
#include "gametexts.h"
#include "randomsource.h"
#include "text.h"
#include "timeofday.h"

#include <array>
#include <cmath>
#include <initializer_list>

using namespace GameConstants;
using namespace GameTexts;

namespace {

const QString kZero = QStringLiteral("0");

} // namespace

Form1::Form1(RandomSource& random, TimeOfDay timeOfDay, QWidget* parent)
    : Form(parent)
    , m_random(random)
    , m_timeOfDay(timeOfDay)
    , m_controls(FormBuilder::build(*this, form1Layout()))
    , Command1(m_controls.button(QStringLiteral("Command1")))
    , Timer1(m_controls.timer(QStringLiteral("Timer1")))
    , Timer2(m_controls.timer(QStringLiteral("Timer2")))
    , Num(m_controls.label(QStringLiteral("Num")))
    , ctop(m_controls.label(QStringLiteral("ctop")))
    , ytop(m_controls.label(QStringLiteral("ytop")))
    , cscore(m_controls.label(QStringLiteral("cscore")))
    , yscore(m_controls.label(QStringLiteral("yscore")))
    , winlose(m_controls.label(QStringLiteral("winlose")))
    , Pip(m_controls.shapeArray(QStringLiteral("Pip")))
{
    bindEvent(&Command1, &CommandButton::activated, &Form1::Command1_Click);
    bindEvent(&Timer1, &Timer::ticked, &Form1::Timer1_Timer);
    bindEvent(&Timer2, &Timer::ticked, &Form1::Timer2_Timer);
}

void Form1::Form_Load()
{
    m_random.seed(static_cast<double>(m_timeOfDay()));
    marqueeText = tr(kMarqueeText);
    gameState = GameState::OpeningRoll;
}

void Form1::Command1_Click()
{
    // Four separate tests, one after another, not a choice among them: each branch leaves a state that no
    // later test matches, so one call takes exactly one step. ComputerRolling first becomes OpeningRoll so
    // that the computer's stopped die is fixed by the same branch as the opening roll.
    const bool openingRoll = gameState == GameState::OpeningRoll;
    if (gameState == GameState::ComputerRolling) {
        gameState = GameState::OpeningRoll;
    }

    if (gameState == GameState::ShowingResult) {
        // Start the computer's roll; the player has nothing to press until it stops.
        Timer1.setInterval(kDiePeriod);
        Timer2.setInterval(kStopped);
        setCaption(tr(kComputerRollTitle));
        winlose.setVisible(false);
        Command1.setVisible(false);
        ctop.setCaption(kZero);
        ytop.setCaption(kZero);
        gameState = GameState::ComputerRolling;
    }

    if (gameState == GameState::PlayerRolling) {
        // Fix the player's roll and score the game.
        Command1.setCaption(tr(kBegin));
        Command1.setVisible(true);
        ytop.setCaption(Num.caption());
        Timer1.setInterval(kStopped);
        Timer2.setInterval(kMarqueeResultPeriod);
        // Both rolls are single digits, so comparing them as text compares them as numbers. The computer's
        // roll is on the left: "You Lose..." means the computer rolled higher.
        const QString computer = ctop.caption();
        const QString player = ytop.caption();
        if (computer > player) {
            winlose.setCaption(tr(kYouLose));
            cscore.setCaption(Text::textOf(Text::valueOf(cscore.caption()) + kWinPoints));
        }
        if (computer < player) {
            winlose.setCaption(tr(kYouWin));
            yscore.setCaption(Text::textOf(Text::valueOf(yscore.caption()) + kWinPoints));
        }
        if (computer == player) {
            winlose.setCaption(tr(kTie));
            yscore.setCaption(Text::textOf(Text::valueOf(yscore.caption()) + kTiePoints));
            cscore.setCaption(Text::textOf(Text::valueOf(cscore.caption()) + kTiePoints));
        }
        winlose.setVisible(true);
        gameState = GameState::ShowingResult;
    }

    if (gameState == GameState::ReadyToRoll) {
        // Start the player's roll.
        Command1.setCaption(tr(kStop));
        Command1.setVisible(true);
        Timer1.setInterval(kDiePeriod);
        Timer2.setInterval(kStopped);
        setCaption(tr(kPlayerRollTitle));
        gameState = GameState::PlayerRolling;
    }

    if (gameState == GameState::OpeningRoll) {
        // Fix the computer's roll: whatever the die shows now.
        Command1.setCaption(tr(kBegin));
        Command1.setVisible(true);
        ctop.setCaption(Num.caption());
        Timer1.setInterval(kStopped);
        Timer2.setInterval(kMarqueeWaitingPeriod);
        gameState = GameState::ReadyToRoll;
    }

    describeStep(!openingRoll);
}

void Form1::describeStep(bool announce)
{
    QString description;
    switch (gameState) {
    case GameState::ReadyToRoll:
        description = tr(kSayComputerRolled).arg(ctop.caption(), tr(kBegin));
        break;
    case GameState::PlayerRolling:
        description = tr(kSayPlayerRolling).arg(tr(kStop));
        break;
    case GameState::ShowingResult:
        description =
            tr(kSayResult)
                .arg(ytop.caption(), winlose.caption(), cscore.caption(), yscore.caption(), tr(kBegin));
        break;
    case GameState::ComputerRolling:
        description = tr(kSayComputerRolling);
        break;
    case GameState::OpeningRoll:
        break;
    }
    if (announce) {
        Command1.announce(description);
    } else {
        Command1.setDescription(description);
    }
}

void Form1::Timer1_Timer()
{
    if (Timer1.interval() > kStopped) {
        for (int index = 0; index < kPipCount; ++index) {
            Pip(index).setVisible(false);
        }
        // The product is taken in double precision: r1 * 6 rounded to float can reach 6.0 for the largest
        // r1 below 1 and would throw a 7.
        const auto r1 = static_cast<double>(m_random.next());
        const auto value = static_cast<float>(std::floor(r1 * kFaces) + 1);
        Num.setCaption(Text::textOf(value));
        showFace(static_cast<int>(value));
    }

    // Drawn on every tick, rolling or not, so the sequence of draws does not depend on the state.
    const float r2 = m_random.next();
    if ((r2 < kStopChance && gameState == GameState::ComputerRolling) ||
        gameState == GameState::OpeningRoll) {
        Command1_Click();
    }
}

void Form1::showFace(int value)
{
    if (value < 1 || value > kFaces) {
        return;
    }
    for (const int index : kFacePips[static_cast<std::size_t>(value - 1)]) {
        Pip(index).setVisible(true);
    }
}

void Form1::Timer2_Timer()
{
    if (Timer2.interval() > kStopped) {
        const QString strip = marqueeText + marqueeText + marqueeText;
        marqueePos = marqueePos + 1;
        if (marqueePos > Text::length(marqueeText)) {
            marqueePos = 1;
        }
        setCaption(Text::mid(strip, marqueePos, kTitleWidth));
    }
}
