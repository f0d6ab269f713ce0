// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real game under valgrind's memcheck: a few seconds of play, then a clean end by SIGTERM. Any
// invalid read or write, use of uninitialised memory or block definitely lost fails it; memory Qt keeps
// until exit on purpose (still reachable) does not.
#include "gameprocess.h"

#include <csignal>

#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// valgrind runs the program some twenty to fifty times slower: start-up alone takes seconds.
constexpr int kStartTimeoutMs = 180000;
constexpr int kStopTimeoutMs = 120000;
// How long the game plays under memcheck once the marquee ticks: enough for the opening roll, scores of
// marquee steps and the timers' restarts.
constexpr int kPlayMs = 3000;
// Distinct from any status of the program, so a finding cannot pass for an ordinary exit.
constexpr int kFindingStatus = 99;

TEST(Memcheck, aShortGameEndedBySigtermHasNoMemoryErrorsAndNoDefiniteLeaks)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    ASSERT_FALSE(valgrind.isEmpty()) << "valgrind is not installed (scripts/common.sh lists it)";

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    GameProcess game(
        environment,
        {valgrind, QStringLiteral("--tool=memcheck"), QStringLiteral("--leak-check=full"),
         QStringLiteral("--show-leak-kinds=definite"), QStringLiteral("--errors-for-leak-kinds=definite"),
         QStringLiteral("--error-exitcode=%1").arg(kFindingStatus), QStringLiteral("--num-callers=40"),
         QStringLiteral("--suppressions=" HIGHROLL_VALGRIND_SUPPRESSIONS)});
    ASSERT_TRUE(game.start());
    ASSERT_TRUE(game.waitUntilPlaying(kStartTimeoutMs)) << game.stderrText().toStdString();
    QTest::qWait(kPlayMs);
    ASSERT_TRUE(game.running()) << game.stderrText().toStdString();

    game.sendSignal(SIGTERM);
    const GameProcess::Exit exit = game.waitForExit(kStopTimeoutMs);
    const std::string report = game.unexpectedStderrLines().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(exit.finished) << report;
    EXPECT_EQ(exit.status, QProcess::NormalExit) << report;
    EXPECT_EQ(exit.code, 0) << report;
    EXPECT_TRUE(game.stderrText().contains(QStringLiteral("ending on SIGTERM"))) << report;
    EXPECT_TRUE(game.stderrText().contains(QStringLiteral("ERROR SUMMARY: 0 errors"))) << report;
}

} // namespace
