// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every way the program is ended from outside: a stop signal, the window's close button, the display
// going away. Each must end it promptly, never with a crash or a core dump, and with a status that
// tells a script what happened.
#include "gameprocess.h"
#include "x11desktop.h"
#include "xvfbserver.h"

#include <csignal>
#include <optional>

#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Generous, for the sanitizer build on a busy machine; a healthy start takes a fraction of it.
constexpr int kStartTimeoutMs = 30000;
// A stop or close request is acted on within one pass of the event loop (tens of milliseconds, which
// the close test records); this only bounds a hang, generously for the sanitizer build on a busy machine.
constexpr int kStopTimeoutMs = 30000;

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        environment.remove(QString::fromLatin1(name));
    }
    return environment;
}

QProcessEnvironment offscreen()
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

QProcessEnvironment onX11(const XvfbServer& server)
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("DISPLAY"), server.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
}

const char* signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    default:
        return "SIGHUP";
    }
}

TEST(EndingBySignal, eachStopSignalEndsAGameInPlayWithStatusZero)
{
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalName(signalNumber));
        GameProcess game(offscreen());
        ASSERT_TRUE(game.start());
        ASSERT_TRUE(game.waitUntilPlaying(kStartTimeoutMs)) << game.stderrText().toStdString();

        game.sendSignal(signalNumber);
        const GameProcess::Exit exit = game.waitForExit(kStopTimeoutMs);
        EXPECT_TRUE(exit.finished);
        EXPECT_EQ(exit.status, QProcess::NormalExit) << "killed by the signal instead of ending";
        EXPECT_EQ(exit.code, 0);
        EXPECT_TRUE(game.stderrText().contains(QStringLiteral("ending on ") +
                                               QLatin1String(signalName(signalNumber))))
            << game.stderrText().toStdString();
        EXPECT_TRUE(game.unexpectedStderrLines().isEmpty())
            << game.unexpectedStderrLines().join(QLatin1Char('\n')).toStdString();
    }
}

TEST(EndingBySignal, aBurstOfSignalsEndsTheGameOnceAndCleanly)
{
    GameProcess game(offscreen());
    ASSERT_TRUE(game.start());
    ASSERT_TRUE(game.waitUntilPlaying(kStartTimeoutMs)) << game.stderrText().toStdString();

    // More signals than the pipe between handler and event loop needs, some arriving while the program
    // is already tearing down.
    for (int round = 0; round < 50; ++round) {
        game.sendSignal(round % 2 == 0 ? SIGTERM : SIGINT);
    }
    const GameProcess::Exit exit = game.waitForExit(kStopTimeoutMs);
    EXPECT_TRUE(exit.finished);
    EXPECT_EQ(exit.status, QProcess::NormalExit);
    EXPECT_EQ(exit.code, 0);
    EXPECT_EQ(game.stderrText().count(QStringLiteral("ending on ")), 1) << game.stderrText().toStdString();
    EXPECT_TRUE(game.unexpectedStderrLines().isEmpty())
        << game.unexpectedStderrLines().join(QLatin1Char('\n')).toStdString();
}

// The game on a private X server with no window manager: the test plays the window manager's role.
class OnX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.error().toStdString();
        game.emplace(onX11(server));
        ASSERT_TRUE(game->start());
        ASSERT_TRUE(game->waitUntilPlaying(kStartTimeoutMs)) << game->stderrText().toStdString();
        desktop.emplace(server.display());
        ASSERT_TRUE(desktop->connected());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return (window = desktop->windowOf(game->pid())) != 0; }, kStartTimeoutMs))
            << "no window of the game's process takes WM_DELETE_WINDOW";
        // The marquee scrolls the title from the first wait on: the game is up on this display.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return desktop->title(window).contains(QStringLiteral("P r e s s  Y o u r  L u c k")); },
            kStartTimeoutMs))
            << desktop->title(window).toStdString();
    }

    void TearDown() override
    {
        // The game first: it must not see its display vanish after its test is over.
        game.reset();
        desktop.reset();
    }

    XvfbServer server;
    std::optional<GameProcess> game;
    std::optional<X11Desktop> desktop;
    X11Desktop::Window window = 0;
};

TEST_F(OnX11, theCloseButtonEndsTheGameWithStatusZero)
{
    ASSERT_TRUE(desktop->requestClose(window));
    const GameProcess::Exit exit = game->waitForExit(kStopTimeoutMs);
    RecordProperty("closeMs", static_cast<int>(exit.elapsedMs));
    EXPECT_TRUE(exit.finished) << "still running " << kStopTimeoutMs << " ms after the close request";
    EXPECT_EQ(exit.status, QProcess::NormalExit);
    EXPECT_EQ(exit.code, 0);
    EXPECT_TRUE(game->unexpectedStderrLines().isEmpty())
        << game->unexpectedStderrLines().join(QLatin1Char('\n')).toStdString();
}

TEST_F(OnX11, aStopSignalEndsTheGameWithStatusZero)
{
    game->sendSignal(SIGTERM);
    const GameProcess::Exit exit = game->waitForExit(kStopTimeoutMs);
    EXPECT_TRUE(exit.finished);
    EXPECT_EQ(exit.status, QProcess::NormalExit);
    EXPECT_EQ(exit.code, 0);
    EXPECT_TRUE(game->unexpectedStderrLines().isEmpty())
        << game->unexpectedStderrLines().join(QLatin1Char('\n')).toStdString();
}

TEST_F(OnX11, losingTheDisplayEndsTheGameWithALastLineSayingSoAndAFailureStatus)
{
    server.stop();
    const GameProcess::Exit exit = game->waitForExit(kStopTimeoutMs);
    EXPECT_TRUE(exit.finished);
    EXPECT_EQ(exit.status, QProcess::NormalExit) << "a crash or an abort, not an orderly exit";
    EXPECT_EQ(exit.code, 1) << "the status of a display that cannot be opened, too";
    // The game's own word is one line, and the last: nothing (such as Xlib's report of the I/O error)
    // follows it. Before it there may be a warning of Qt's X11 plugin about the request that found the
    // connection gone, such as a failed shared-memory segment for a repaint.
    const QStringList lines = game->unexpectedStderrLines();
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines.first(lines.size() - 1)) {
        EXPECT_TRUE(line.startsWith(QStringLiteral("qt.qpa.xcb: ")))
            << lines.join(QLatin1Char('\n')).toStdString();
    }
    // Qt words the cause in one of two ways, depending on whether its event reader or Xlib notices first.
    EXPECT_TRUE(lines.last().startsWith(
        QStringLiteral("highroll: lost the display (DISPLAY=%1): The X11 connection broke")
            .arg(server.display())))
        << lines.join(QLatin1Char('\n')).toStdString();
}

} // namespace
