// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controlset.h"
#include "form.h"
#include "gamestate.h"
#include "timeofday.h"

#include <QString>

class RandomSource;

// The game's window and its rules. Apart from the three variables below, everything the game knows is
// held in captions, which the handlers write and read back: the die's value in Num, the fixed rolls in
// ctop and ytop, the scores in cscore and yscore. Handlers are named after their control and event and
// are public so that tests can drive them the way the event loop does.
class Form1 : public Form {
    Q_OBJECT

public:
    // Seconds since local midnight; the seed of the dice at load.
    using TimeOfDay = float (*)();

    // random supplies every random number the game draws; it must outlive the window. timeOfDay is
    // the clock the dice are seeded from (tests pass a fixed one).
    explicit Form1(RandomSource& random, TimeOfDay timeOfDay = &secondsSinceMidnight,
                   QWidget* parent = nullptr);

    // The button, and the die when the computer's roll stops: moves the game on by one step.
    void Command1_Click();
    // The die timer: throws a new face, and stops the computer's die at the opening or by chance.
    void Timer1_Timer();
    // The marquee timer: scrolls the title one character to the left.
    void Timer2_Timer();

    GameState state() const { return gameState; }
    int marqueePosition() const { return marqueePos; }
    QString marquee() const { return marqueeText; }
    const ControlSet& controls() const { return m_controls; }
    // The controls as a player reaches them (tests click and type through it).
    ControlSet& controls() { return m_controls; }

protected:
    void Form_Load() override;

private:
    void showFace(int value);
    // Tells a screen reader, through the button's accessible description, what the step just taken
    // did and what the player can do now: what the screen shows a sighted player. The opening roll is
    // not announced: it comes before the player reaches the window, and the screen reader reads the
    // description with the button when the window gets the focus.
    void describeStep(bool announce);

    // Two kinds of member, named apart: what this class needs to run the game (m_ names), and the
    // window's own vocabulary below (its controls and its three variables), named as the game names
    // them so that the handlers read as the game's rules.
    RandomSource& m_random;
    TimeOfDay m_timeOfDay;
    ControlSet m_controls;

    // The controls the rules act on, by their layout names.
    CommandButton& Command1;
    Timer& Timer1;
    Timer& Timer2;
    Label& Num;
    Label& ctop;
    Label& ytop;
    Label& cscore;
    Label& yscore;
    Label& winlose;
    const ControlArray<Shape>& Pip;

    QString marqueeText;
    // 1-based start of the title in the tripled marquee text; 0 until the first marquee tick.
    int marqueePos = 0;
    GameState gameState = GameState::OpeningRoll;
};
