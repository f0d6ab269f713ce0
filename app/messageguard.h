// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// What the process's guards over Qt's messages share: one Qt message handler for all of them, and one
// way to end the process with one line. A guard sees every message Qt logs while it is registered,
// the newest guard first, and may take it; what no guard takes goes on to the handler that was there
// before. Guards are made and released on the main thread; messages may come from any thread.
class MessageGuard {
public:
    MessageGuard(const MessageGuard&) = delete;
    MessageGuard& operator=(const MessageGuard&) = delete;

protected:
    MessageGuard();
    virtual ~MessageGuard();

    // True when the message is taken, and so not passed on.
    virtual bool take(QtMsgType type, const QString& message) = 0;
    // Stops seeing messages; the destructor does it too.
    void release();

    // Says line on stderr (Terminal::say) and ends the process with status at once, without running
    // exit handlers: for states in which Qt cannot be torn down (no display, a broken connection). When
    // several threads get here at once, only the first prints, and it ends them all.
    [[noreturn]] static void endProcess(int status, const QString& line);

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    bool m_registered = false;
};
