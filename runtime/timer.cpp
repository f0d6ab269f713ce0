#include "timer.h"

#include "runtimeerror.h"

Timer::Timer(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::ticked);
}

void Timer::setInterval(std::chrono::milliseconds interval)
{
    if (interval.count() < 0) {
        throw RuntimeError("invalid timer interval " + std::to_string(interval.count()) + " ms");
    }
    m_interval = interval;
    // QTimer with interval 0 fires on every pass of the event loop; here 0 means stopped.
    if (interval.count() == 0) {
        m_timer.stop();
    } else {
        m_timer.start(interval);
    }
}
