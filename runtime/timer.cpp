// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer.h"

#include "runtimeerror.h"

#include <QLoggingCategory>

namespace {

// Off unless enabled, e.g. QT_LOGGING_RULES="highroll.ticks.debug=true": one line per tick with the
// timer's layout name and the steady (CLOCK_MONOTONIC) time in ms, which bench.sh turns into tick
// periods. qCDebug tests the category before it evaluates its arguments, so when off a tick pays for
// one flag test only.
Q_LOGGING_CATEGORY(lcTicks, "highroll.ticks", QtWarningMsg)

QString steadyMilliseconds()
{
    const std::chrono::duration<double, std::milli> now = std::chrono::steady_clock::now().time_since_epoch();
    return QString::number(now.count(), 'f', 3);
}

} // namespace

Timer::Timer(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        qCDebug(lcTicks).noquote() << objectName() << steadyMilliseconds();
        emit ticked();
    });
}

void Timer::setInterval(std::chrono::milliseconds interval)
{
    if (interval.count() < 0) {
        throw RuntimeError("invalid timer interval " + std::to_string(interval.count()) + " ms");
    }
    m_interval = interval;
    // QTimer with interval 0 fires on every pass of the event loop; here 0 means stopped.
    if (interval.count() == 0 || m_held) {
        m_timer.stop();
    } else {
        m_timer.start(interval);
    }
}

void Timer::hold()
{
    m_held = true;
    m_timer.stop();
}

void Timer::release()
{
    if (!m_held) {
        return;
    }
    m_held = false;
    setInterval(m_interval);
}
