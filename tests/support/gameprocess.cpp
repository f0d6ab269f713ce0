// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameprocess.h"

#include "logging.h"

#include <csignal>
#include <utility>

#include <QElapsedTimer>
#include <QTest>

namespace {

const QString kSignalLog = QLatin1String(lcSignals().categoryName()) + QLatin1String(": ");
const QString kTickLog = QLatin1String(lcTicks().categoryName()) + QLatin1String(": ");

} // namespace

QProcessEnvironment GameProcess::withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM",
                             "XDG_RUNTIME_DIR", "LANGUAGE", "LC_MESSAGES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

QProcessEnvironment GameProcess::offscreen()
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

QProcessEnvironment GameProcess::onX11(const QString& display)
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

GameProcess::GameProcess(Launch launch)
    : m_slowdown(launch.slowdown)
{
    QProcessEnvironment& environment = launch.environment;
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("%1.debug=true;%2.debug=true")
                                                               .arg(QLatin1String(lcSignals().categoryName()),
                                                                    QLatin1String(lcTicks().categoryName())));
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")) && m_runtimeDir.isValid()) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    }
    m_process.setProcessEnvironment(environment);
    QStringList command = std::move(launch.wrapper);
    command.append(launch.program);
    command.append(launch.arguments);
    m_process.setProgram(command.takeFirst());
    m_process.setArguments(command);
}

GameProcess::~GameProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(patienceMs());
    }
}

bool GameProcess::start()
{
    m_process.start();
    return m_process.waitForStarted(patienceMs());
}

QString GameProcess::stdoutText()
{
    m_stdout += m_process.readAllStandardOutput();
    return QString::fromLocal8Bit(m_stdout);
}

QString GameProcess::stderrText()
{
    m_stderr += m_process.readAllStandardError();
    return QString::fromLocal8Bit(m_stderr);
}

bool GameProcess::waitUntilPlaying()
{
    return waitForStderr(kSignalLog + QStringLiteral("ending the program on"), patienceMs()) &&
           waitForStderr(kTickLog + QStringLiteral("Timer2 "), patienceMs());
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
        m_process.waitForFinished(patienceMs());
    }
    result.status = m_process.exitStatus();
    result.code = m_process.exitCode();
    stdoutText();
    stderrText();
    return result;
}

GameProcess::Exit GameProcess::run()
{
    if (!start()) {
        return {};
    }
    return waitForExit();
}

::testing::AssertionResult GameProcess::judge(const Exit& exit, int code,
                                              const std::optional<QStringList>& stderrLines)
{
    const QStringList lines = unexpectedStderrLines();
    const auto failure = [&lines](const char* what) {
        return ::testing::AssertionFailure() << what << "; stderr besides the program's log:\n"
                                             << lines.join(QLatin1Char('\n')).toStdString();
    };
    if (m_process.error() == QProcess::FailedToStart) {
        return failure(("could not be started: " + m_process.errorString().toStdString()).c_str());
    }
    if (!exit.finished) {
        return failure("still running at the end of the wait, then killed");
    }
    if (exit.status != QProcess::NormalExit) {
        return failure("ended by a crash, an abort or a signal, not by an orderly exit");
    }
    if (exit.code != code) {
        return failure(
            ("ended with status " + std::to_string(exit.code) + ", not " + std::to_string(code)).c_str());
    }
    if (!stderrLines) {
        return ::testing::AssertionSuccess();
    }
    if (lines.size() != stderrLines->size()) {
        return failure(("wrote " + std::to_string(lines.size()) + " lines to stderr, not " +
                        std::to_string(stderrLines->size()))
                           .c_str());
    }
    for (qsizetype index = 0; index < lines.size(); ++index) {
        if (!lines[index].startsWith(stderrLines->at(index))) {
            return failure(("stderr line " + std::to_string(index + 1) + " does not begin with \"" +
                            stderrLines->at(index).toStdString() + "\"")
                               .c_str());
        }
    }
    return ::testing::AssertionSuccess();
}
