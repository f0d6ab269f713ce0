// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hanglimit.h"

#include <optional>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The one way the tests run a program in a process of its own: the real game as a player's desktop
// would start it (or an installed copy, or a tool of the build), with the arguments and the
// environment a test chooses, optionally under a wrapper such as valgrind. Its stdout and stderr are
// collected as they arrive. Every wait is bounded by the hang limit, times the run's slowdown; a
// process still running when the object goes away is killed, so a failed test leaves nothing behind.
class GameProcess {
public:
    struct Launch {
        QProcessEnvironment environment = withoutDisplay();
        QStringList arguments{};
        // Run before the program, e.g. {valgrind, its options}; the program and its arguments follow.
        QStringList wrapper{};
        QString program = QStringLiteral(HIGHROLL_BINARY);
        // How many times slower than alone the program runs here (under valgrind, say): every wait
        // that does not name its own limit is the hang limit times this.
        int slowdown = 1;
    };

    struct Exit {
        bool finished = false; // false: still running after the wait, and then killed
        QProcess::ExitStatus status = QProcess::NormalExit;
        int code = -1;
        qint64 elapsedMs = 0; // from the start of the wait to the exit
    };

    // The environment of the tests less every display (DISPLAY, WAYLAND_DISPLAY, XDG_SESSION_TYPE,
    // QT_QPA_PLATFORM) and the session's runtime directory, in the C locale: a program started with it has no
    // display to open, and speaks English, the language the tests expect, whatever the developer's is.
    static QProcessEnvironment withoutDisplay();
    // Without a display, on Qt's offscreen platform: the whole game, no server needed.
    static QProcessEnvironment offscreen();
    // Without a display but the X server display (":N"), through Qt's xcb platform.
    static QProcessEnvironment onX11(const QString& display);

    // The program logs when its signal handlers are in place and every timer tick; waitUntilPlaying()
    // reads that. A desktop session gives every program a private XDG_RUNTIME_DIR; one is made here
    // when the environment has none, so Qt does not warn about its absence.
    explicit GameProcess(Launch launch);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool start();
    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }
    // The wait for anything of this run that should happen: the hang limit times the slowdown.
    int patienceMs() const { return kHangLimitMs * m_slowdown; }

    // Waits until the signal handlers are in place and the marquee ticks: the opening roll is over and
    // the event loop runs the game.
    bool waitUntilPlaying();
    // Waits until stderr holds text; false if the time runs out or the program ends first.
    bool waitForStderr(const QString& text, int timeoutMs);
    // Everything the program wrote to stdout and to stderr so far.
    QString stdoutText();
    QString stderrText();
    // The lines of stderr other than the program's own signal and tick log.
    QStringList unexpectedStderrLines();

    void sendSignal(int signalNumber) const;
    // Waits for the program to end; if it does not, kills it and says so in the result.
    Exit waitForExit() { return waitForExit(patienceMs()); }
    Exit waitForExit(int timeoutMs);
    // start() and waitForExit(), for a program that is expected to end by itself.
    Exit run();

    // The judgement of an end: it ended by itself within the wait (no hang, no kill, no crash or
    // abort) with the status code, and stderr holds exactly the lines expected (each matched as the
    // start of its line), in order, besides the program's own log.
    ::testing::AssertionResult endedWith(const Exit& exit, int code, const QStringList& stderrLines = {})
    {
        return judge(exit, code, stderrLines);
    }
    // The same, leaving stderr to the caller: where a wrapper or a protocol log shares it.
    ::testing::AssertionResult endedWithStatus(const Exit& exit, int code) { return judge(exit, code, {}); }

private:
    ::testing::AssertionResult judge(const Exit& exit, int code,
                                     const std::optional<QStringList>& stderrLines);

    QTemporaryDir m_runtimeDir;
    QProcess m_process;
    QByteArray m_stdout;
    QByteArray m_stderr;
    int m_slowdown = 1;
};
