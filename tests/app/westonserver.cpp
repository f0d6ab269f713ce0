// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "westonserver.h"

#include "stopprocess.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTest>

WestonServer::~WestonServer()
{
    stop();
}

QString WestonServer::socketName() const
{
    return QStringLiteral("highroll-test");
}

bool WestonServer::start(int timeoutMs)
{
    if (!m_runtimeDir.isValid()) {
        m_error = QStringLiteral("cannot create a runtime directory: ") + m_runtimeDir.errorString();
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    // A compositor started inside another would open a window there instead of running headless.
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("DISPLAY"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // No weston.ini, no idle timeout that could blank the output half-way through a test.
    m_process.start(QStringLiteral("weston"),
                    {QStringLiteral("--backend=headless-backend.so"),
                     QStringLiteral("--socket=") + socketName(), QStringLiteral("--no-config"),
                     QStringLiteral("--idle-time=0")});
    if (!m_process.waitForStarted(kHangLimitMs)) {
        m_error = QStringLiteral("cannot run weston: ") + m_process.errorString();
        return false;
    }
    // weston binds and listens on the socket before it runs its loop, so a client may connect as soon as
    // the socket exists; requests wait in the socket until the compositor reads them.
    const QString socketPath = m_runtimeDir.filePath(socketName());
    const bool ready = QTest::qWaitFor(
        [&] { return QFileInfo(socketPath).exists() || m_process.state() == QProcess::NotRunning; },
        timeoutMs);
    if (!ready || m_process.state() == QProcess::NotRunning) {
        m_error =
            QStringLiteral("weston did not open its socket: ") + QString::fromLocal8Bit(m_process.readAll());
        stop();
        return false;
    }
    return true;
}

void WestonServer::stop()
{
    stopProcess(m_process);
}
