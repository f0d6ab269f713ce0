// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Turns a failure to reach a display into one clear line on stderr and exit status 1. Without it, Qt
// prints several lines about platform plugins and aborts, leaving a core dump. Create it before the
// QApplication and call finish() once the application exists; messages Qt logs meanwhile are held back
// and passed on by finish(), or dropped in favour of the one line if start-up fails.
class StartupGuard {
public:
    static constexpr int kNoDisplayStatus = 1;

    explicit StartupGuard(QString programName);
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;

    // False, after printing the message, when no platform was chosen and neither DISPLAY nor
    // WAYLAND_DISPLAY is set: there is no display to try.
    bool displayConfigured() const;

    void finish();

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);
    [[noreturn]] void fail(const QString& reason) const;

    QString m_programName;
    QtMessageHandler m_previous = nullptr;
    QStringList m_held;
    bool m_active = false;
};
