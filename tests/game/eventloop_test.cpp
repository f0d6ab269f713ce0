// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game through the real event loop: timers, clicks and keys arrive as they do for a player.
#include "gamefixture.h"
#include "hanglimit.h"
#include "helpmenu.h"
#include "splitmix64.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
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

// F1 and the context menu open over a rolling die and close again, and the game goes on where it was:
// the die rolled all along, the button has the focus back, and the keys that closed them played nothing.
TEST_F(RunningGame, helpAndMenuLeaveTheGameAsItWas)
{
    HelpMenu help(form);
    const QSize size = form.size();
    const auto inside = [&] {
        const QList<QWidget*> children = form.findChildren<QWidget*>();
        return std::count_if(children.begin(), children.end(),
                             [](const QWidget* child) { return !child->isWindow(); });
    };
    const auto widgets = inside();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(waitForState(GameState::ReadyToRoll));
    QTest::keyClick(&button(), Qt::Key_Space);
    ASSERT_EQ(form.state(), GameState::PlayerRolling);
    const auto dieRolls = [&] {
        const QString face = captionOf(form, "Num");
        return QTest::qWaitFor([&] { return captionOf(form, "Num") != face; }, kHangLimitMs);
    };
    const auto dialogShown = [] {
        return QTest::qWaitFor([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                               kHangLimitMs);
    };
    const auto backInTheGame = [&] {
        return QTest::qWaitFor(
            [&] {
                return QApplication::activeModalWidget() == nullptr &&
                       QApplication::focusWidget() == &button();
            },
            kHangLimitMs);
    };

    QTest::keyClick(&button(), Qt::Key_F1);
    ASSERT_TRUE(dialogShown());
    // Every key it names is there, the one that quits too where the platform has none (offscreen, as
    // Windows and a web page).
    EXPECT_TRUE(QApplication::activeModalWidget()->findChild<QLabel*>());
    const auto* rules = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    EXPECT_TRUE(rules->informativeText().contains("opens the menu, and Ctrl+Q quits."))
        << rules->informativeText().toStdString();
    EXPECT_TRUE(dieRolls()) << "the die rolls behind the help";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_TRUE(backInTheGame());

    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        QTest::keySequence(&button(), keys);
        ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
                                    kHangLimitMs))
            << keys.toString().toStdString();
        QStringList items;
        for (const QAction* action : QApplication::activePopupWidget()->actions()) {
            if (!action->isSeparator()) {
                items << action->text();
            }
        }
        EXPECT_EQ(items, (QStringList{"How to play", "About HighRoll", "Quit"}));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        ASSERT_TRUE(backInTheGame());
    }

    // About, from the menu a right-click opens; Enter closes it and presses nothing behind it.
    // A right-click on a control: the window system's context menu request reaches the window.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), button().mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&button(), &rightClick);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, kHangLimitMs));
    QWidget* menu = QApplication::activePopupWidget();
    menu->close();
    menu->actions().at(1)->trigger();
    ASSERT_TRUE(dialogShown());
    const auto* about = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    EXPECT_TRUE(about->informativeText().contains("GNU GPL version 3 or later"))
        << about->informativeText().toStdString();
    EXPECT_TRUE(dieRolls()) << "the die rolls behind the About box";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(backInTheGame());
    EXPECT_EQ(form.state(), GameState::PlayerRolling);

    QTest::keyClick(&button(), Qt::Key_Return);
    EXPECT_EQ(form.state(), GameState::ShowingResult);
    EXPECT_EQ(score("cscore") + score("yscore"), 10);
    EXPECT_EQ(form.size(), size);
    EXPECT_EQ(inside(), widgets) << "nothing added to the window";
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
