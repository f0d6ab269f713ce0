// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "displaychoice.h"
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

    explicit StartupGuard(const DisplayChoice& display);
    ~StartupGuard() override;

    // Says in one line that there is no display to try (DisplayChoice::available()), in the player's
    // language: the caller has installed the catalogues.
    static void reportNoDisplay();

    void finish();

private:
    bool take(QtMsgType type, const QString& message) override;

    QString m_display; // the display Qt tries, for the line when it fails ("DISPLAY=:0")
    QStringList m_held;
};
