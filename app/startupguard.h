// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageguard.h"

#include <QStringList>

// Turns a failure to reach a display into one clear line on stderr and exit status 1. Without it, Qt
// prints several lines about platform plugins and aborts, leaving a core dump. Create it before the
// QApplication and call finish() once the application exists; messages Qt logs meanwhile are held back
// and passed on by finish(), or dropped in favour of the one line if start-up fails.
class StartupGuard : public MessageGuard {
public:
    static constexpr int kNoDisplayStatus = 1;

    explicit StartupGuard(QString programName);
    ~StartupGuard() override;

    // False, after printing the message, when there is no display to try: on Unix systems when no
    // platform was chosen and neither DISPLAY nor WAYLAND_DISPLAY is set. A Windows session always has
    // its desktop.
    bool displayConfigured() const;

    void finish();

private:
    bool take(QtMsgType type, const QString& message) override;
    // The display the platform tried to open, for the message when it failed ("DISPLAY=:0").
    static QString displayInUse();

    QStringList m_held;
};
