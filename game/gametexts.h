// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The game's own words, named once: written in English here, marked for translation where they are
// written and translated where they are shown (Form1::tr, whose context is "Form1"). The English texts
// are the game's: every space and letter is as the game has always shown it.
namespace GameTexts {

// The context the texts are translated in: the window's class, so Form1::tr() finds them.
inline constexpr char kContext[] = "Form1";

//: The button's caption whenever pressing it starts something: after the computer's roll it starts
//: the player's die, and over a result the same button starts the next game (the computer's die rolls
//: first). One word for both ("Go", "Play"), not a word for throwing the player's die. Short: it must
//: fit the button (about 200 pixels of a large heavy face). The spoken instructions name the button
//: with this word.
inline constexpr const char* kBegin = QT_TRANSLATE_NOOP("Form1", "Begin");
//: The button's caption while the player's die rolls; pressing it stops the die. Short: it must fit
//: the button. The spoken instructions name the button with this word.
inline constexpr const char* kStop = QT_TRANSLATE_NOOP("Form1", "Stop");

//: The result line when the computer rolled higher. It must fit a box about 200 pixels wide in a
//: bold monospaced face (about 12 characters).
inline constexpr const char* kYouLose = QT_TRANSLATE_NOOP("Form1", "You Lose...");
//: The result line when the player rolled higher. It must fit a box about 200 pixels wide in a bold
//: monospaced face (about 12 characters).
inline constexpr const char* kYouWin = QT_TRANSLATE_NOOP("Form1", "You Win!!!");
//: The result line when both rolls are equal. It must fit a box about 200 pixels wide in a bold
//: monospaced face (about 12 characters).
inline constexpr const char* kTie = QT_TRANSLATE_NOOP("Form1", "It's a Tie!");

//: Window title while the computer's die rolls. The English has a small "m" here and a capital "M"
//: in the title while the player's die rolls ("Roll for the Money"): the one-letter difference is
//: the game's own; keep the two titles as alike, differing only in a small detail if your language
//: allows it.
inline constexpr const char* kComputerRollTitle = QT_TRANSLATE_NOOP("Form1", "Roll for the money");
//: Window title while the player's die rolls. See "Roll for the money", the title while the
//: computer's die rolls: the two differ in the case of one letter.
inline constexpr const char* kPlayerRollTitle = QT_TRANSLATE_NOOP("Form1", "Roll for the Money");

//: The text the window title scrolls while the game waits: your language's "press your luck",
//: spaced out as the English is: a space between letters, two between words, 10 spaces before and
//: 9 after. Its length is where the scrolling wraps and the title shows 60 characters of it at a
//: time: keep it between 30 and 60 characters (the English has 52).
inline constexpr const char* kMarqueeText =
    QT_TRANSLATE_NOOP("Form1", "          P r e s s  Y o u r  L u c k ! ! !         ");

// What a screen reader says after each step (the button's accessible description). The numbers are
// the captions read back; the button's caption is named by %-placeholders so that it is the same word
// as on the button.

//: Spoken when the computer's die has stopped. %1 is the computer's roll (a digit 1 to 6), %2 the
//: button's caption "Begin".
inline constexpr const char* kSayComputerRolled =
    QT_TRANSLATE_NOOP("Form1", "The computer rolled %1. Press %2 to roll your die.");
//: Spoken as the player's die starts rolling. %1 is the button's caption "Stop".
inline constexpr const char* kSayPlayerRolling =
    QT_TRANSLATE_NOOP("Form1", "Your die is rolling. Press %1 to stop it.");
//: Spoken after the player stops the die. %1 is the player's roll (a digit), %2 the result line
//: ("You Win!!!", "You Lose..." or "It's a Tie!"), %3 the computer's score, %4 the player's score
//: (whole numbers), %5 the button's caption "Begin".
inline constexpr const char* kSayResult =
    QT_TRANSLATE_NOOP("Form1", "You rolled %1. %2 Score: computer %3, you %4. Press %5 for the next game.");
//: Spoken as the computer's die starts rolling; the button is hidden until it stops.
inline constexpr const char* kSayComputerRolling =
    QT_TRANSLATE_NOOP("Form1", "The computer's die is rolling.");

} // namespace GameTexts
