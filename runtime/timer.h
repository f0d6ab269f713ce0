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

    bool isRunning() const { return m_timer.isActive(); }

signals:
    void ticked();

private:
    QTimer m_timer;
    std::chrono::milliseconds m_interval{0};
};
