// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "displaychoice.h"
#include "messageguard.h"

#include <QCoreApplication>

// Turns the display going away under the running program (the X server ends, the Wayland compositor
// dies) into one clear line on stderr and exit status kDisplayLostStatus. Qt's platform plugin notices
// the broken connection, logs a warning and ends the process itself, but not tidily: on X11 Xlib may add
// lines of its own, and exit() runs the exit handlers while Qt's other threads still use what they
// destroy. The guard recognises that warning, says what happened and leaves at once. Create it once
// the application exists; every other message passes through unchanged.
class DisplayLossGuard : public MessageGuard {
    Q_DECLARE_TR_FUNCTIONS(DisplayLossGuard)

public:
    // As for a display that cannot be opened at start-up: a script sees one status for "no display".
    static constexpr int kDisplayLostStatus = 1;

    explicit DisplayLossGuard(DisplayChoice display);

private:
    bool take(QtMsgType type, const QString& message) override;

    DisplayChoice m_display;
};
