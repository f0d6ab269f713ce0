// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's first picture is its initial state, however slow the start: the timers, which count
// from when they are built, tick only after the window has been drawn once, about one period later.
#include "gamefixture.h"
#include "hanglimit.h"
#include "splitmix64.h"

#include <algorithm>

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// The shorter of the two timers' periods at the start.
constexpr auto kPeriodMs =
    static_cast<int>(std::min(GameConstants::kDiePeriod, GameConstants::kMarqueeResultPeriod).count());

// Notes what the window shows as it is first painted.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto& form = static_cast<Form1&>(*watched);
        if (event->type() == QEvent::Paint && !clock.isValid()) {
            clock.start();
            shown = QStringList({form.caption(), captionOf(form, "Num"),
                                 form.controls().button(QStringLiteral("Command1")).caption(),
                                 captionOf(form, "winlose"), QString::number(pipsShown(form).size())})
                        .join(QLatin1Char('|'))
                        .toStdString();
        }
        return false;
    }

    QElapsedTimer clock;
    std::string shown;
};

TEST(FirstPicture, isTheInitialStateEvenWhenTheStartTakesLongerThanATick)
{
    SplitMix64 random;
    Form1 form(random);
    FirstPaint first;
    form.installEventFilter(&first);
    qint64 firstTickMs = -1;
    for (const char* name : {"Timer1", "Timer2"}) {
        QObject::connect(&form.controls().timer(QString::fromLatin1(name)), &Timer::ticked, [&] {
            if (firstTickMs < 0) {
                firstTickMs = first.clock.isValid() ? first.clock.elapsed() : 0;
            }
        });
    }
    form.load();
    // A slow start: the timers were built several periods before the window is shown.
    QThread::msleep(4 * kPeriodMs);
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return firstTickMs >= 0; }, kHangLimitMs));

    EXPECT_EQ(first.shown, "Form1|4|Roll Dice|Win?|7");
    // A full period after the first picture, less the timer's own rounding.
    EXPECT_GE(firstTickMs, kPeriodMs * 4 / 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.state() == GameState::ReadyToRoll; }, kHangLimitMs));
}

} // namespace
