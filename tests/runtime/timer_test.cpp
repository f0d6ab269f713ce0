// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtimeerror.h"
#include "timer.h"

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
    ASSERT_TRUE(ticks.wait(1000));
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
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::ticked);
    timer.setInterval(80ms);
    QElapsedTimer clock;
    clock.start();
    // Keep restarting before the period runs out: no tick may come while the restarts go on.
    while (clock.elapsed() < 240) {
        QTest::qWait(20);
        timer.setInterval(80ms);
    }
    EXPECT_EQ(ticks.count(), 0);
    clock.restart();
    ASSERT_TRUE(ticks.wait(1000));
    EXPECT_GE(clock.elapsed(), 70);
    EXPECT_EQ(timer.interval(), 80ms);
}

TEST(Timer, ticksAtItsPeriod)
{
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::ticked);
    QElapsedTimer clock;
    timer.setInterval(20ms);
    clock.start();
    while (ticks.count() < 10) {
        ASSERT_TRUE(ticks.wait(1000));
    }
    EXPECT_GE(clock.elapsed(), 190);
    EXPECT_LT(clock.elapsed(), 600);
}

TEST(Timer, negativeIntervalIsARuntimeError)
{
    Timer timer;
    EXPECT_THROW(timer.setInterval(-1ms), RuntimeError);
    EXPECT_FALSE(timer.isRunning());
}

} // namespace
