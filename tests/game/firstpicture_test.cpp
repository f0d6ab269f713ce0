// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's first picture is its initial state, however slow the start: the timers, which count
// from when they are built, tick only after the window has been drawn once, about one period later.
#include "form1.h"
#include "splitmix64.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr int kPeriodMs = 50;

// Notes what the window shows as it is first painted.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto& form = static_cast<Form1&>(*watched);
        if (event->type() == QEvent::Paint && !clock.isValid()) {
            clock.start();
            const ControlSet& controls = form.controls();
            int pips = 0;
            for (int index = 0; index < 7; ++index) {
                pips += controls.shapeArray(QStringLiteral("Pip"))(index).isShown() ? 1 : 0;
            }
            shown = QStringList({form.caption(), controls.label(QStringLiteral("Num")).caption(),
                                 controls.button(QStringLiteral("Command1")).caption(),
                                 controls.label(QStringLiteral("winlose")).caption(), QString::number(pips)})
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return firstTickMs >= 0; }, 10000));

    EXPECT_EQ(first.shown, "Form1|4|Roll Dice|Win?|7");
    // A full period after the first picture, less the timer's own rounding.
    EXPECT_GE(firstTickMs, kPeriodMs * 4 / 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.state() == GameState::ReadyToRoll; }, 10000));
}

} // namespace
