// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "xvfbserver.h"

#include "stopprocess.h"

#include <QTest>

XvfbServer::~XvfbServer()
{
    stop();
}

bool XvfbServer::start(int timeoutMs)
{
    // Xvfb writes the display number and a newline to the -displayfd descriptor when it is ready; fd 1
    // is the pipe QProcess reads. TCP stays off: the test and the game talk over the local socket.
    m_process.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                     QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("1024x768x24")});
    if (!m_process.waitForStarted(kHangLimitMs)) {
        m_error = QStringLiteral("cannot run Xvfb: ") + m_process.errorString();
        return false;
    }
    const bool ready = QTest::qWaitFor(
        [&] { return m_process.canReadLine() || m_process.state() == QProcess::NotRunning; }, timeoutMs);
    bool isNumber = false;
    const int number = ready ? m_process.readLine().trimmed().toInt(&isNumber) : -1;
    if (!isNumber) {
        m_error = QStringLiteral("Xvfb did not report a display: ") +
                  QString::fromLocal8Bit(m_process.readAllStandardError());
        stop();
        return false;
    }
    m_display = QStringLiteral(":%1").arg(number);
    return true;
}

void XvfbServer::stop()
{
    stopProcess(m_process);
}
