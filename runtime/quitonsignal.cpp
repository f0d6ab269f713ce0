// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quitonsignal.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QStringList>

namespace {

// Off unless enabled, e.g. QT_LOGGING_RULES="highroll.signals.debug=true": says when the handlers are
// in place and which signal ended the program.
Q_LOGGING_CATEGORY(lcSignals, "highroll.signals", QtInfoMsg)

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

} // namespace

QuitOnSignal::QuitOnSignal(std::initializer_list<int> signalNumbers, QObject* parent)
    : QObject(parent)
{
    if (g_writeFd.load() != -1) {
        qCWarning(lcSignals) << "signals are already handled by another QuitOnSignal";
        return;
    }
    // Non-blocking on both ends: the handler must never wait for the loop, and the loop drains the
    // pipe without waiting for the handler. A full pipe loses nothing, since one byte already quits.
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcSignals).noquote() << "cannot create the signal pipe:" << systemError();
        return;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    g_writeFd.store(m_writeFd);

    for (const int signalNumber : signalNumbers) {
        // A signal the program was started with ignored (SIGHUP under nohup, SIGINT for a background
        // job) stays ignored: whoever started it asked for that.
        struct sigaction current = {};
        if (::sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action = {};
        action.sa_handler = &QuitOnSignal::handleSignal;
        sigemptyset(&action.sa_mask);
        // Restart interrupted system calls, so that no code of ours or Qt's sees a spurious EINTR.
        action.sa_flags = SA_RESTART;
        Installed installed{signalNumber, {}};
        if (::sigaction(signalNumber, &action, &installed.previous) != 0) {
            qCWarning(lcSignals).noquote()
                << QStringLiteral("cannot handle %1: %2").arg(signalName(signalNumber), systemError());
            uninstall();
            return;
        }
        m_installed.push_back(installed);
    }

    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignal::readPendingSignals);
    QStringList names;
    for (const Installed& installed : m_installed) {
        names.append(signalName(installed.signalNumber));
    }
    qCDebug(lcSignals).noquote() << "ending the program on" << names.join(QStringLiteral(", "));
}

QuitOnSignal::~QuitOnSignal()
{
    uninstall();
}

void QuitOnSignal::handleSignal(int signalNumber)
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

void QuitOnSignal::readPendingSignals()
{
    unsigned char bytes[16];
    ssize_t count = 0;
    int first = 0;
    while ((count = ::read(m_readFd, bytes, sizeof bytes)) > 0) {
        if (first == 0) {
            first = bytes[0];
        }
    }
    if (first == 0) {
        return;
    }
    m_stopRequested = true;
    qCDebug(lcSignals).noquote() << "ending on" << signalName(first);
    // exit(), not quit(): a request to terminate is not something a window may veto, and it also ends a
    // modal loop (such as an open message box) that runs inside the main one.
    QCoreApplication::exit(0);
}

void QuitOnSignal::uninstall()
{
    // Handlers first, so that no signal reaches a pipe that is being closed.
    for (const Installed& installed : m_installed) {
        if (m_stopRequested) {
            ::signal(installed.signalNumber, SIG_IGN);
        } else {
            ::sigaction(installed.signalNumber, &installed.previous, nullptr);
        }
    }
    m_installed.clear();
    delete m_notifier;
    m_notifier = nullptr;
    if (m_writeFd != -1) {
        g_writeFd.store(-1);
        ::close(m_writeFd);
        m_writeFd = -1;
    }
    if (m_readFd != -1) {
        ::close(m_readFd);
        m_readFd = -1;
    }
}
