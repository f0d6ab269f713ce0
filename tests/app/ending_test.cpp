// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every way the program is ended from outside: a stop signal, the window's close button, the display
// going away. Each must end it promptly, never with a crash or a core dump, and with a status that
// tells a script what happened.
#include "gameconstants.h"
#include "gameprocess.h"
#include "gametexts.h"
#include "x11desktop.h"
#include "xvfbserver.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <optional>

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(EndingBySignal, eachStopSignalEndsAGameInPlayWithStatusZero)
{
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        const QString name = QStringLiteral("SIG") + QLatin1String(sigabbrev_np(signalNumber));
        SCOPED_TRACE(name.toStdString());
        GameProcess game({.environment = GameProcess::offscreen()});
        ASSERT_TRUE(game.start());
        ASSERT_TRUE(game.waitUntilPlaying()) << game.stderrText().toStdString();

        game.sendSignal(signalNumber);
        EXPECT_TRUE(game.endedWith(game.waitForExit(), 0));
        EXPECT_TRUE(game.stderrText().contains(QStringLiteral("ending on ") + name))
            << game.stderrText().toStdString();
    }
}

TEST(EndingBySignal, aBurstOfSignalsEndsTheGameOnceAndCleanly)
{
    GameProcess game({.environment = GameProcess::offscreen()});
    ASSERT_TRUE(game.start());
    ASSERT_TRUE(game.waitUntilPlaying()) << game.stderrText().toStdString();

    // More signals than the pipe between handler and event loop needs, some arriving while the program
    // is already tearing down.
    for (int round = 0; round < 50; ++round) {
        game.sendSignal(round % 2 == 0 ? SIGTERM : SIGINT);
    }
    EXPECT_TRUE(game.endedWith(game.waitForExit(), 0));
    EXPECT_EQ(game.stderrText().count(QStringLiteral("ending on ")), 1) << game.stderrText().toStdString();
}

// The game on a private X server with no window manager, named by Qt's option alone: the test plays the
// window manager's role.
class OnX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.error().toStdString();
        game.emplace(GameProcess::Launch{.environment = GameProcess::withoutDisplay(),
                                         .arguments = {QStringLiteral("-display"), server.display()}});
        ASSERT_TRUE(game->start());
        ASSERT_TRUE(game->waitUntilPlaying()) << game->stderrText().toStdString();
        desktop.emplace(server.display());
        ASSERT_TRUE(desktop->connected());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return (window = desktop->windowOf(game->pid())) != 0; }, kHangLimitMs))
            << "no window of the game's process takes WM_DELETE_WINDOW";
        // The marquee scrolls the title from the first wait on: the game is up on this display. Every
        // title it shows is a window of the marquee text repeated, as wide as the title.
        const QString strip = QString::fromUtf8(GameTexts::kMarqueeText).repeated(3);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QString title = desktop->title(window);
                return title.size() == GameConstants::kTitleWidth && strip.contains(title);
            },
            kHangLimitMs))
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
    // A close request is acted on within one pass of the event loop; the test records how long it took.
    const GameProcess::Exit exit = game->waitForExit();
    RecordProperty("closeMs", static_cast<int>(exit.elapsedMs));
    EXPECT_TRUE(game->endedWith(exit, 0));
}

TEST_F(OnX11, ctrlQEndsTheGameAsTheCloseButtonDoes)
{
    // The keyboard's part: xdotool gives the window the focus and presses the keys through XTEST.
    GameProcess keys({.environment = GameProcess::onX11(server.display()),
                      .arguments = {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                    QString::number(window), QStringLiteral("key"), QStringLiteral("ctrl+q")},
                      .program = QStringLiteral("xdotool")});
    EXPECT_TRUE(keys.endedWithStatus(keys.run(), 0)) << keys.stderrText().toStdString();
    EXPECT_TRUE(game->endedWith(game->waitForExit(), 0));
}

TEST_F(OnX11, aStopSignalEndsTheGameWithStatusZero)
{
    game->sendSignal(SIGTERM);
    EXPECT_TRUE(game->endedWith(game->waitForExit(), 0));
}

TEST_F(OnX11, losingTheDisplayEndsTheGameWithALastLineSayingSoAndAFailureStatus)
{
    server.stop();
    const GameProcess::Exit exit = game->waitForExit();
    // The game's own word is one line, and the last: nothing (such as Xlib's report of the I/O error)
    // follows it. Before it there may be warnings of Qt's X11 plugin about requests that found the
    // connection gone, such as a failed shared-memory segment for a repaint. Qt words the cause in one
    // of two ways, depending on whether its event reader or Xlib notices first. 1 is also the status of
    // a display that cannot be opened.
    QStringList expected(std::max<qsizetype>(game->unexpectedStderrLines().size() - 1, 0),
                         QStringLiteral("qt.qpa.xcb: "));
    expected.append(QStringLiteral("highroll: lost the display (DISPLAY=%1): The X11 connection broke")
                        .arg(server.display()));
    EXPECT_TRUE(game->endedWith(exit, 1, expected));
}

} // namespace
