// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "waylandserver.h"

#include "stopprocess.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTest>

WaylandServer::WaylandServer(Compositor compositor)
    : m_compositor(compositor)
{}

WaylandServer::~WaylandServer()
{
    stop();
}

QString WaylandServer::socketName() const
{
    return QStringLiteral("wayland-0");
}

bool WaylandServer::start(int timeoutMs)
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
    QString program;
    QStringList arguments;
    if (m_compositor == Compositor::Weston) {
        // No weston.ini, no idle timeout that could blank the output half-way through a test.
        program = QStringLiteral("weston");
        arguments = {QStringLiteral("--backend=headless-backend.so"),
                     QStringLiteral("--socket=") + socketName(), QStringLiteral("--no-config"),
                     QStringLiteral("--idle-time=0")};
    } else {
        // wlroots' headless backend, drawing in software: no GPU, no input devices.
        program = QStringLiteral("phoc");
        environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    }
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(kHangLimitMs)) {
        m_error = QStringLiteral("cannot run %1: %2").arg(program, m_process.errorString());
        return false;
    }
    // The compositor binds and listens on the socket before it runs its loop, so a client may connect as
    // soon as the socket exists; requests wait in the socket until the compositor reads them.
    const QString socketPath = m_runtimeDir.filePath(socketName());
    const bool ready = QTest::qWaitFor(
        [&] { return QFileInfo(socketPath).exists() || m_process.state() == QProcess::NotRunning; },
        timeoutMs);
    if (!ready || m_process.state() == QProcess::NotRunning) {
        m_error = QStringLiteral("%1 did not open its socket: %2")
                      .arg(program, QString::fromLocal8Bit(m_process.readAll()));
        stop();
        return false;
    }
    return true;
}

void WaylandServer::stop()
{
    stopProcess(m_process);
}
