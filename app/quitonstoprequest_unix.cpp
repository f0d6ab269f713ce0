// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stop requests on Linux and the other Unix systems: SIGTERM, SIGINT and SIGHUP. A signal handler may
// call almost nothing safely, so it only writes the signal's number into a pipe; the read end wakes
// the event loop, which quits from there.
#include "logging.h"
#include "quitonstoprequest.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QStringList>

namespace {

constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's write end as the handler sees it; -1 while no instance exists. A lock-free atomic is one
// of the few things a signal handler may read.
std::atomic<int> g_writeFd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

QString signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("signal %1").arg(signalNumber);
    }
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

void handleSignal(int signalNumber)
{
    // write() is async-signal-safe; errno is saved because the interrupted code may be about to read it.
    const int savedErrno = errno;
    const int fd = g_writeFd.load();
    if (fd != -1) {
        const auto byte = static_cast<unsigned char>(signalNumber);
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

// Non-blocking on both ends: the handler must never wait for the loop, and the loop drains the pipe
// without waiting for the handler. A full pipe loses nothing, since one byte already quits.
bool makePipe(int (&fds)[2])
{
    if (::pipe(fds) != 0) {
        return false;
    }
    for (const int fd : fds) {
        if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0 || ::fcntl(fd, F_SETFL, O_NONBLOCK) != 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            return false;
        }
    }
    return true;
}

} // namespace

struct QuitOnStopRequest::Platform {
    struct Installed {
        int signalNumber;
        struct sigaction previous;
    };

    ~Platform() { uninstall(); }

    void readPendingSignals()
    {
        unsigned char bytes[16];
        ssize_t count = 0;
        int first = 0;
        while ((count = ::read(readFd, bytes, sizeof bytes)) > 0) {
            if (first == 0) {
                first = bytes[0];
            }
        }
        if (first == 0) {
            return;
        }
        stopRequested = true;
        qCDebug(lcSignals).noquote() << "ending on" << signalName(first);
        // exit(), not quit(): a request to terminate is not something a window may veto, and it also
        // ends a modal loop (such as an open message box) that runs inside the main one.
        QCoreApplication::exit(0);
    }

    // Puts back the signals' previous actions, or ignores them once a stop was requested: the program
    // is then ending anyway, and a repeated request must not cut its orderly end short.
    void uninstall()
    {
        // Handlers first, so that no signal reaches a pipe that is being closed.
        for (const Installed& entry : installed) {
            if (stopRequested) {
                ::signal(entry.signalNumber, SIG_IGN);
            } else {
                ::sigaction(entry.signalNumber, &entry.previous, nullptr);
            }
        }
        installed.clear();
        delete notifier;
        notifier = nullptr;
        if (writeFd != -1) {
            g_writeFd.store(-1);
            ::close(writeFd);
            writeFd = -1;
        }
        if (readFd != -1) {
            ::close(readFd);
            readFd = -1;
        }
    }

    std::vector<Installed> installed;
    int readFd = -1;
    int writeFd = -1;
    bool stopRequested = false;
    QSocketNotifier* notifier = nullptr;
};

QuitOnStopRequest::QuitOnStopRequest(QObject* parent)
    : QObject(parent)
    , m_platform(std::make_unique<Platform>())
{
    if (g_writeFd.load() != -1) {
        qCWarning(lcSignals) << "signals are already handled by another QuitOnStopRequest";
        return;
    }
    int fds[2] = {-1, -1};
    if (!makePipe(fds)) {
        qCWarning(lcSignals).noquote() << "cannot create the signal pipe:" << systemError();
        return;
    }
    Platform& platform = *m_platform;
    platform.readFd = fds[0];
    platform.writeFd = fds[1];
    g_writeFd.store(platform.writeFd);

    for (const int signalNumber : kStopSignals) {
        // A signal the program was started with ignored (SIGHUP under nohup, SIGINT for a background
        // job) stays ignored: whoever started it asked for that.
        struct sigaction current = {};
        if (::sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action = {};
        action.sa_handler = &handleSignal;
        sigemptyset(&action.sa_mask);
        // Restart interrupted system calls, so that no code of ours or Qt's sees a spurious EINTR.
        action.sa_flags = SA_RESTART;
        Platform::Installed entry{signalNumber, {}};
        if (::sigaction(signalNumber, &action, &entry.previous) != 0) {
            qCWarning(lcSignals).noquote()
                << QStringLiteral("cannot handle %1: %2").arg(signalName(signalNumber), systemError());
            platform.uninstall();
            return;
        }
        platform.installed.push_back(entry);
    }

    platform.notifier = new QSocketNotifier(platform.readFd, QSocketNotifier::Read, this);
    connect(platform.notifier, &QSocketNotifier::activated, this,
            [&platform] { platform.readPendingSignals(); });
    QStringList names;
    for (const Platform::Installed& entry : platform.installed) {
        names.append(signalName(entry.signalNumber));
    }
    qCDebug(lcSignals).noquote() << "ending the program on" << names.join(QStringLiteral(", "));
}

QuitOnStopRequest::~QuitOnStopRequest() = default;
