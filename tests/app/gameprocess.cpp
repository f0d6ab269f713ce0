// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameprocess.h"

#include <csignal>
#include <utility>

#include <QTest>

namespace {

const QString kSignalLog = QStringLiteral("highroll.signals: ");
const QString kTickLog = QStringLiteral("highroll.ticks: ");

} // namespace

GameProcess::GameProcess(QProcessEnvironment environment, QStringList wrapper, const QString& program)
{
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("highroll.signals.debug=true;highroll.ticks.debug=true"));
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")) && m_runtimeDir.isValid()) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    }
    m_process.setProcessEnvironment(std::move(environment));
    QStringList arguments = std::move(wrapper);
    arguments.append(program);
    m_process.setProgram(arguments.takeFirst());
    m_process.setArguments(arguments);
    m_process.setStandardOutputFile(QProcess::nullDevice());
}

GameProcess::~GameProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool GameProcess::start()
{
    m_process.start();
    return m_process.waitForStarted(10000);
}

QString GameProcess::stderrText()
{
    m_stderr += m_process.readAllStandardError();
    return QString::fromLocal8Bit(m_stderr);
}

bool GameProcess::waitUntilPlaying(int timeoutMs)
{
    return waitForStderr(kSignalLog + QStringLiteral("ending the program on"), timeoutMs) &&
           waitForStderr(kTickLog + QStringLiteral("Timer2 "), timeoutMs);
}

QStringList GameProcess::unexpectedStderrLines()
{
    QStringList lines = stderrText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf(
        [](const QString& line) { return line.startsWith(kSignalLog) || line.startsWith(kTickLog); });
    return lines;
}

bool GameProcess::waitForStderr(const QString& text, int timeoutMs)
{
    return QTest::qWaitFor(
               [&] { return stderrText().contains(text) || m_process.state() == QProcess::NotRunning; },
               timeoutMs) &&
           stderrText().contains(text);
}

void GameProcess::sendSignal(int signalNumber) const
{
    const qint64 id = m_process.processId();
    if (id > 0) {
        ::kill(static_cast<pid_t>(id), signalNumber);
    }
}

GameProcess::Exit GameProcess::waitForExit(int timeoutMs)
{
    Exit result;
    QElapsedTimer clock;
    clock.start();
    result.finished = QTest::qWaitFor([&] { return m_process.state() == QProcess::NotRunning; }, timeoutMs);
    result.elapsedMs = clock.elapsed();
    if (!result.finished) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    result.status = m_process.exitStatus();
    result.code = m_process.exitCode();
    stderrText();
    return result;
}
