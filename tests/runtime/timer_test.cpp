// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hanglimit.h"
#include "runtimeerror.h"
#include "timer.h"

#include <vector>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TEST(Timer, zeroIntervalStopsIt)
{
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::ticked);
    timer.setInterval(10ms);
    ASSERT_TRUE(ticks.wait(kHangLimitMs));
    timer.setInterval(0ms);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.interval(), 0ms);
    const auto seen = ticks.count();
    QTest::qWait(60);
    EXPECT_EQ(ticks.count(), seen) << "a stopped timer must not tick (a zero QTimer would fire constantly)";
}

TEST(Timer, writeNeverTicksSynchronously)
{
    Timer timer;
    int ticks = 0;
    QObject::connect(&timer, &Timer::ticked, [&ticks] { ++ticks; });
    timer.setInterval(1ms);
    timer.setInterval(50ms);
    timer.setInterval(0ms);
    timer.setInterval(40ms);
    EXPECT_EQ(ticks, 0);
    timer.setInterval(0ms);
}

TEST(Timer, positiveIntervalRestartsTheCountdown)
{
    // Restarted every 20 ms, an 80 ms timer does not tick while the restarts go on; a stall of the
    // machine longer than the period may let one through, so what is checked is that no tick ever comes
    // sooner than a period after the latest restart.
    constexpr auto kPeriod = 80ms;
    constexpr qint64 kEarliestMs = 78; // a precise timer may round to the millisecond
    Timer timer;
    QElapsedTimer clock;
    clock.start();
    qint64 lastRestart = 0;
    std::vector<qint64> sinceRestart;
    QObject::connect(&timer, &Timer::ticked, [&] { sinceRestart.push_back(clock.elapsed() - lastRestart); });
    for (int restart = 0; restart < 12; ++restart) {
        lastRestart = clock.elapsed();
        timer.setInterval(kPeriod);
        QTest::qWait(20);
    }
    lastRestart = clock.elapsed();
    timer.setInterval(kPeriod);
    const std::size_t before = sinceRestart.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sinceRestart.size() > before; }, kHangLimitMs));
    for (const qint64 ms : sinceRestart) {
        EXPECT_GE(ms, kEarliestMs);
    }
    EXPECT_EQ(timer.interval(), kPeriod);
}

TEST(Timer, ticksAtItsPeriod)
{
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::ticked);
    QElapsedTimer clock;
    timer.setInterval(20ms);
    clock.start();
    while (ticks.count() < 10) {
        ASSERT_TRUE(ticks.wait(kHangLimitMs));
    }
    // The k-th tick comes no sooner than k periods after the start, however late the others were.
    EXPECT_GE(clock.elapsed(), 190);
}

TEST(Timer, negativeIntervalIsARuntimeError)
{
    Timer timer;
    EXPECT_THROW(timer.setInterval(-1ms), RuntimeError);
    EXPECT_FALSE(timer.isRunning());
}

} // namespace
