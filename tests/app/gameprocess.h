// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real program, started in a process of its own as a player's desktop would start it, optionally
// under a wrapper such as valgrind. Its stderr is collected as it arrives. A process still running when
// the object goes away is killed, so a failed test leaves nothing behind.
class GameProcess {
public:
    struct Exit {
        bool finished = false; // false: still running after the wait, and then killed
        QProcess::ExitStatus status = QProcess::NormalExit;
        int code = -1;
        qint64 elapsedMs = 0; // from the start of the wait to the exit
    };

    // The program logs when its signal handlers are in place and every timer tick; waitUntilPlaying()
    // reads that. A desktop session gives every program a private XDG_RUNTIME_DIR; one is made here
    // when environment has none, so Qt does not warn about its absence. program is the build's own
    // unless a test runs an installed copy.
    explicit GameProcess(QProcessEnvironment environment, QStringList wrapper = {},
                         const QString& program = QStringLiteral(HIGHROLL_BINARY));
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool start();
    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }

    // Waits until the signal handlers are in place and the marquee ticks: the opening roll is over and
    // the event loop runs the game.
    bool waitUntilPlaying(int timeoutMs);
    // Waits until stderr holds text; false if the time runs out or the program ends first.
    bool waitForStderr(const QString& text, int timeoutMs);
    // Everything the program wrote to stderr so far.
    QString stderrText();
    // The lines of stderr other than the program's own signal and tick log.
    QStringList unexpectedStderrLines();

    void sendSignal(int signalNumber) const;
    // Waits for the program to end; if it does not, kills it and says so in the result.
    Exit waitForExit(int timeoutMs);

private:
    QTemporaryDir m_runtimeDir;
    QProcess m_process;
    QByteArray m_stderr;
};
