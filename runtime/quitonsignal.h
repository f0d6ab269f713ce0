// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <initializer_list>
#include <vector>

#include <QObject>

class QSocketNotifier;

// Ends the program cleanly when it is asked to stop by a signal (SIGTERM from the session or a service
// manager, SIGINT from Ctrl+C in a terminal): the event loop returns 0, so the window and the application
// are torn down as after a normal close. A signal handler may call almost nothing safely, so it only
// writes the signal's number into a pipe; the read end wakes the event loop, which quits from there.
// Create it after the application object; a signal that arrives before exec() is acted on once the loop
// runs. Only one instance may exist at a time, since a signal handler has no object to go to. If the
// pipe or a handler cannot be set up, a warning says why and the signals keep their default action.
class QuitOnSignal : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignal(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~QuitOnSignal() override;
    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

private:
    struct Installed {
        int signalNumber;
        struct sigaction previous;
    };

    static void handleSignal(int signalNumber);
    void readPendingSignals();
    // Puts back the signals' previous actions, or ignores them once a stop was requested: the program
    // is then ending anyway, and a repeated request must not cut its orderly end short.
    void uninstall();

    std::vector<Installed> m_installed;
    int m_readFd = -1;
    int m_writeFd = -1;
    bool m_stopRequested = false;
    QSocketNotifier* m_notifier = nullptr;
};
