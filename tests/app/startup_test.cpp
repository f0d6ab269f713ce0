// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself, started as a player would start it.
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct GameRun {
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = -1;
    QString err;
};

GameRun runGame(const QProcessEnvironment& environment, int timeoutMs = 10000)
{
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(HIGHROLL_BINARY), {});
    EXPECT_TRUE(game.waitForStarted());
    if (!game.waitForFinished(timeoutMs)) {
        game.kill();
        game.waitForFinished();
        ADD_FAILURE() << "the game did not exit";
    }
    return {game.exitStatus(), game.exitCode(), QString::fromLocal8Bit(game.readAllStandardError())};
}

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    return environment;
}

TEST(Startup, withNoDisplaySaysSoOnOneLineAndExitsOne)
{
    const GameRun run = runGame(withoutDisplay());
    EXPECT_EQ(run.status, QProcess::NormalExit) << "no abort, no core dump";
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("highroll: cannot start: no display")))
        << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
}

TEST(Startup, withARefusedDisplayConnectionSaysSoOnOneLineAndExitsOne)
{
    for (const char* platform : {"", "xcb"}) {
        QProcessEnvironment environment = withoutDisplay();
        // Nothing listens on display 87; the connection is refused.
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":87"));
        if (*platform != '\0') {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        }
        const GameRun run = runGame(environment);
        EXPECT_EQ(run.status, QProcess::NormalExit) << platform;
        EXPECT_EQ(run.code, 1) << platform;
        EXPECT_TRUE(run.err.startsWith(
            QStringLiteral("highroll: cannot start: no display could be opened (DISPLAY=:87)")))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
    }
}

} // namespace
