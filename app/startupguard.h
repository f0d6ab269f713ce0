// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageguard.h"

#include <QCoreApplication>
#include <QStringList>

// Turns a failure to reach a display into one clear line on stderr and exit status 1. Without it, Qt
// prints several lines about platform plugins and aborts, leaving a core dump. Create it before the
// QApplication and call finish() once the application exists; messages Qt logs meanwhile are held back
// and passed on by finish(), or dropped in favour of the one line if start-up fails.
class StartupGuard : public MessageGuard {
    Q_DECLARE_TR_FUNCTIONS(StartupGuard)

public:
    static constexpr int kNoDisplayStatus = 1;

    explicit StartupGuard(QString programName);
    ~StartupGuard() override;

    // False when there is no display to try: on Unix systems when no platform was chosen and neither
    // DISPLAY nor WAYLAND_DISPLAY is set. A Windows session always has its desktop.
    static bool displayConfigured();
    // Says so in one line on stderr, in the player's language (which needs the application object: a
    // QCoreApplication is enough).
    void reportNoDisplay() const;

    void finish();

private:
    bool take(QtMsgType type, const QString& message) override;
    // The display the platform tried to open, for the line when it failed ("DISPLAY=:0").
    static QString displayInUse();

    QStringList m_held;
};
