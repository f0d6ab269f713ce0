// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game under valgrind's memcheck: a few seconds of play, then a clean end by SIGTERM. Any
// invalid read or write, use of uninitialised memory or block definitely lost fails it; memory Qt keeps
// until exit on purpose (still reachable) does not.
#include "gameprocess.h"

#include <csignal>

#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// valgrind runs the program some twenty to fifty times slower; the waits allow for it.
constexpr int kValgrindSlowdown = 4;
// How long the game plays under memcheck once the marquee ticks: enough for the opening roll, scores of
// marquee steps and the timers' restarts.
constexpr int kPlayMs = 3000;
// Distinct from any status of the program, so a finding cannot pass for an ordinary exit.
constexpr int kFindingStatus = 99;

TEST(Memcheck, aShortGameEndedBySigtermHasNoMemoryErrorsAndNoDefiniteLeaks)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    ASSERT_FALSE(valgrind.isEmpty()) << "valgrind is not installed (scripts/packages.sh lists it)";

    GameProcess game(
        {.environment = GameProcess::offscreen(),
         .wrapper = {valgrind, QStringLiteral("--tool=memcheck"), QStringLiteral("--leak-check=full"),
                     QStringLiteral("--show-leak-kinds=definite"),
                     QStringLiteral("--errors-for-leak-kinds=definite"),
                     QStringLiteral("--error-exitcode=%1").arg(kFindingStatus),
                     QStringLiteral("--num-callers=40"),
                     QStringLiteral("--suppressions=" HIGHROLL_VALGRIND_SUPPRESSIONS)},
         .slowdown = kValgrindSlowdown});
    ASSERT_TRUE(game.start());
    ASSERT_TRUE(game.waitUntilPlaying()) << game.stderrText().toStdString();
    QTest::qWait(kPlayMs);
    ASSERT_TRUE(game.running()) << game.stderrText().toStdString();

    game.sendSignal(SIGTERM);
    const GameProcess::Exit exit = game.waitForExit();
    // valgrind's own report shares stderr: it is judged by its summary line.
    EXPECT_TRUE(game.endedWithStatus(exit, 0));
    EXPECT_TRUE(game.stderrText().contains(QStringLiteral("ending on SIGTERM")));
    EXPECT_TRUE(game.stderrText().contains(QStringLiteral("ERROR SUMMARY: 0 errors")))
        << game.unexpectedStderrLines().join(QLatin1Char('\n')).toStdString();
}

} // namespace
