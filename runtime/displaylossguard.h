// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Turns the display going away under the running program (the X server ends, the Wayland compositor
// dies) into one clear line on stderr and exit status kDisplayLostStatus. Qt's platform plugin notices
// the broken connection, logs a warning and ends the process itself, but not tidily: on X11 Xlib may add
// lines of its own, and exit() runs the exit handlers while Qt's other threads still use what they
// destroy. The guard recognises that warning, says what happened and leaves at once. Create it once
// the application exists (after StartupGuard::finish()); every other message passes through unchanged.
// Only one instance may exist at a time, since a message handler has no object to go to.
class DisplayLossGuard {
public:
    // As for a display that cannot be opened at start-up: a script sees one status for "no display".
    static constexpr int kDisplayLostStatus = 1;

    explicit DisplayLossGuard(QString programName);
    ~DisplayLossGuard();
    DisplayLossGuard(const DisplayLossGuard&) = delete;
    DisplayLossGuard& operator=(const DisplayLossGuard&) = delete;

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);
    [[noreturn]] void fail(const QString& reason) const;

    QString m_programName;
    QtMessageHandler m_previous = nullptr;
};
