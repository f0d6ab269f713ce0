// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer.h"

#include "logging.h"
#include "runtimeerror.h"

namespace {

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
        // qCDebug tests the category before it evaluates its arguments: when off, a tick pays for one
        // flag test only.
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
