// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1.h"
#include "gameconstants.h"
#include "scriptedrandom.h"

#include <set>

#include <gtest/gtest.h>

// What a player sees of the game's window, read through its controls: the one way the game's tests
// read a label's caption and the die's pips.
inline QString captionOf(const Form1& form, const char* label)
{
    return form.controls().label(QString::fromLatin1(label)).caption();
}

// The indexes of the pips the die shows.
inline std::set<int> pipsShown(const Form1& form)
{
    std::set<int> shown;
    const ControlArray<Shape>& pips = form.controls().shapeArray(QStringLiteral("Pip"));
    for (int index = 0; index < GameConstants::kPipCount; ++index) {
        if (pips(index).isShown()) {
            shown.insert(index);
        }
    }
    return shown;
}

// A loaded game window whose random numbers a test scripts. Its timers wait for the window's first
// picture, and nothing here shows it or runs the event loop, so ticks come only when a test calls a handler.
class GameTest : public ::testing::Test {
protected:
    GameTest()
        : form(random)
    {
        form.load();
    }

    QString caption(const char* name) const { return captionOf(form, name); }
    bool shown(const char* name) const
    {
        const auto* widget = qobject_cast<QWidget*>(form.controls().all().at(QString::fromLatin1(name)));
        if (widget == nullptr) {
            ADD_FAILURE() << name << " is not a widget";
            return false;
        }
        return !widget->isHidden();
    }
    QString button() const { return form.controls().button(QStringLiteral("Command1")).caption(); }
    bool buttonShown() const { return !form.controls().button(QStringLiteral("Command1")).isHidden(); }
    long long interval(const char* name) const
    {
        return form.controls().timer(QString::fromLatin1(name)).interval().count();
    }
    std::set<int> pipsShown() const { return ::pipsShown(form); }

    // One tick of the rolling die showing face, then a stop draw of stopDraw.
    void rollingTick(int face, float stopDraw = 0.9f)
    {
        random.queue({drawFor(face), stopDraw});
        form.Timer1_Timer();
    }

    // From the start to ShowingResult with the computer's roll computer and the player's roll player.
    void playFirstGame(int computer, int player)
    {
        rollingTick(computer); // the opening tick fixes the computer's roll
        form.Command1_Click(); // Begin
        rollingTick(player);
        form.Command1_Click(); // Stop
    }

    ScriptedRandom random;
    Form1 form;
};
