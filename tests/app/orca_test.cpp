// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// One game played by ear: the Orca screen reader runs against the real program on a private desktop
// (../shared/tools/orca-speech beside the project starts it and reports what Orca says), the keyboard
// alone plays one full game, and the lines Orca speaks must tell the whole game, in order, once each.
#include "gameprocess.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString kOrcaSpeech = QStringLiteral(HIGHROLL_ORCA_SPEECH);

// What was spoken after each key: before the first key, then after Begin, Stop and Begin.
using Steps = std::vector<QStringList>;

// Orca, its private desktop and the pauses between the keys take most of a minute.
constexpr int kOrcaSlowdown = 8;

// Runs one game with key; the pauses are generous, the last one long enough for the computer's die to
// stop (at 1 in 20 per 50 ms tick it rolls on for 12 s once in 200 000 games). Orca writes its log in
// blocks, so two Shift presses at the end push the game's lines out to the log before it is read.
Steps playByEar(const QString& key)
{
    // orca-speech makes the desktop, the display and the runtime directory the game runs on.
    QProcessEnvironment environment = GameProcess::withoutDisplay();
    environment.remove(QStringLiteral("ORCA_SPEECH_LOG"));
    environment.remove(QStringLiteral("ORCA_SPEECH_SHOTS"));
    const QString keys = QStringLiteral("%1:4 %1:4 %1:12 shift:1 shift:1").arg(key);
    GameProcess orca({.environment = environment,
                      .wrapper = {kOrcaSpeech, QStringLiteral("-k"), keys, QStringLiteral("--")},
                      .slowdown = kOrcaSlowdown});
    // What orca-speech writes to stderr is its own diagnostics; the speech is judged from stdout.
    if (const ::testing::AssertionResult ended = orca.endedWithStatus(orca.run(), 0); !ended) {
        ADD_FAILURE() << "orca-speech failed: " << ended.message();
        return {};
    }
    // "+1.23 s key space" or "+1.25 s SPEECH OUTPUT: 'text'{...}"; braille lines are left aside.
    static const QRegularExpression line(
        QStringLiteral(R"re(^\s*[-+][0-9.]+ s (?:key (\S+)|SPEECH OUTPUT: '(.*)' ?\{))re"));
    Steps steps(1);
    for (const QString& text : orca.stdoutText().split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch()) {
            continue;
        }
        if (match.capturedLength(1) > 0) {
            steps.emplace_back();
        } else if (match.captured(2) != QLatin1String("Screen reader on.")) {
            steps.back() << match.captured(2);
        }
    }
    steps.resize(std::min<std::size_t>(steps.size(), 4)); // the Shift presses only flush the log
    return steps;
}

std::string joined(const QStringList& lines)
{
    return lines.join(QLatin1String(" | ")).toStdString();
}

class PlayedByEar : public ::testing::TestWithParam<const char*> {};

TEST_P(PlayedByEar, orcaSaysEveryStepOfOneGameOnceAndInOrder)
{
    if (!QFileInfo(kOrcaSpeech).isExecutable()) {
        GTEST_SKIP() << kOrcaSpeech.toStdString() << " is not beside the project";
    }
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("orca")).isEmpty())
        << "Orca is missing: ./test.sh installs it from Debian (scripts/common.sh)";

    const QString key = QString::fromLatin1(GetParam());
    const Steps steps = playByEar(key);
    ASSERT_EQ(steps.size(), 4u);
    const QString echo = key.toLower() + QLatin1Char(' ');
    const QString rolled = QStringLiteral(R"(The computer rolled ([1-6])\. Press Begin to roll your die\.)");

    // On focus: the window in words, the button, and the computer's opening roll.
    ASSERT_EQ(steps[0].size(), 3) << joined(steps[0]);
    EXPECT_EQ(steps[0][0], "HighRoll frame.");
    EXPECT_EQ(steps[0][1], "Begin push button.");
    const auto opening = QRegularExpression(QLatin1Char('^') + rolled + QLatin1Char('$')).match(steps[0][2]);
    ASSERT_TRUE(opening.hasMatch()) << steps[0][2].toStdString();

    EXPECT_EQ(joined(steps[1]),
              joined({echo, QStringLiteral("Your die is rolling. Press Stop to stop it.")}));

    // The player's roll, the result in the game's words, and scores that follow from the two rolls.
    ASSERT_EQ(steps[2].size(), 2) << joined(steps[2]);
    EXPECT_EQ(steps[2][0], echo);
    const auto result =
        QRegularExpression(
            QStringLiteral(
                R"(^You rolled ([1-6])\. (.+) Score: computer (\d+), you (\d+)\. Press Begin for the next game\.$)"))
            .match(steps[2][1]);
    ASSERT_TRUE(result.hasMatch()) << steps[2][1].toStdString();
    const int computer = opening.captured(1).toInt();
    const int player = result.captured(1).toInt();
    const QString words = computer > player   ? QStringLiteral("You Lose... 10 0")
                          : computer < player ? QStringLiteral("You Win!!! 0 10")
                                              : QStringLiteral("It's a Tie! 5 5");
    EXPECT_EQ(
        QStringList({result.captured(2), result.captured(3), result.captured(4)}).join(QLatin1Char(' ')),
        words)
        << "after the computer's " << computer << " and the player's " << player;

    ASSERT_EQ(steps[3].size(), 3) << joined(steps[3]);
    EXPECT_EQ(steps[3][0], echo);
    EXPECT_EQ(steps[3][1], "The computer's die is rolling.");
    EXPECT_TRUE(
        QRegularExpression(QLatin1Char('^') + rolled + QLatin1Char('$')).match(steps[3][2]).hasMatch())
        << steps[3][2].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Keys, PlayedByEar, ::testing::Values("space", "Return"),
                         [](const auto& param) { return std::string(param.param); });

} // namespace
