// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns from the accessibility interface after each step of a game: the button's
// name is its caption, and its description says what just happened and what the button does now.
#include "gamefixture.h"

#include <QAccessible>

namespace {

class AccessibleGame : public GameTest {
protected:
    QString said(QAccessible::Text kind)
    {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(&form.controls().button(QStringLiteral("Command1")));
        return accessible == nullptr ? QStringLiteral("(no accessible interface)") : accessible->text(kind);
    }
};

TEST_F(AccessibleGame, theButtonDescribesEveryStepAndNoFaceOfARollingDie)
{
    EXPECT_EQ(said(QAccessible::Description), "");
    rollingTick(5);
    EXPECT_EQ(said(QAccessible::Name), "Begin");
    EXPECT_EQ(said(QAccessible::Description), "The computer rolled 5. Press Begin to roll your die.");

    form.Command1_Click();
    EXPECT_EQ(said(QAccessible::Name), "Stop");
    EXPECT_EQ(said(QAccessible::Description), "Your die is rolling. Press Stop to stop it.");
    rollingTick(1);
    rollingTick(3);
    EXPECT_EQ(said(QAccessible::Description), "Your die is rolling. Press Stop to stop it.");

    form.Command1_Click();
    EXPECT_EQ(said(QAccessible::Name), "Begin");
    EXPECT_EQ(said(QAccessible::Description),
              "You rolled 3. You Lose... Score: computer 10, you 0. Press Begin for the next game.");

    form.Command1_Click();
    EXPECT_EQ(said(QAccessible::Description), "The computer's die is rolling.");
    rollingTick(2);
    EXPECT_EQ(said(QAccessible::Description), "The computer's die is rolling.");
    rollingTick(6, 0.01f);
    EXPECT_EQ(said(QAccessible::Name), "Begin");
    EXPECT_EQ(said(QAccessible::Description), "The computer rolled 6. Press Begin to roll your die.");
}

} // namespace
