// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

#include <QObject>
#include <QTimer>

// A timer driven by its interval alone: 0 stops it, a positive interval (re)starts it with that period
// from the moment of the write. ticked() is only ever emitted from the event loop, never from inside
// setInterval(), so a handler that changes an interval is never re-entered. It uses a precise timer
// because the game's pace (the marquee speed, the computer's chance to stop per second) follows the
// period directly.
class Timer : public QObject {
    Q_OBJECT

public:
    explicit Timer(QObject* parent = nullptr);

    std::chrono::milliseconds interval() const { return m_interval; }
    // A negative interval raises a RuntimeError.
    void setInterval(std::chrono::milliseconds interval);

    // Running while the interval is positive, held or not.
    bool isRunning() const { return m_interval.count() > 0; }

    // A held timer keeps its interval but does not tick; release() starts a positive interval's period
    // from the moment of the release. A window holds its timers until it is first drawn, so that its first
    // picture is always its initial state however long the start takes.
    void hold();
    void release();

signals:
    void ticked();

private:
    QTimer m_timer;
    std::chrono::milliseconds m_interval{0};
    bool m_held = false;
};
