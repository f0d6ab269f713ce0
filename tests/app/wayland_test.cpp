// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a Wayland client of a private headless compositor: it must start, play and end there as
// it does on X11. The title is observed from outside through the client's own protocol log
// (WAYLAND_DEBUG=client), which shows every xdg_toplevel.set_title request it sends. Left to choose
// between a compositor and the X server beside it, the game must take the one that gives its window a
// title bar.
#include "gameconstants.h"
#include "gameprocess.h"
#include "waylandserver.h"
#include "xvfbserver.h"

#include <csignal>
#include <optional>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Titles the marquee must have shown before the game counts as playing: it scrolls one step per tick,
// so each is a different title, and a dozen take well under a second.
constexpr qsizetype kMarqueeSteps = 12;

// libwayland 1.22 (Debian 12) logs "-> xdg_toplevel@12.set_title(...)"; 1.23 (Debian 13) names the object
// "xdg_toplevel#12" and may put the queue's name in braces before the arrow; 1.24 (Debian testing) stamps
// the time of day instead of a count of milliseconds.
const QRegularExpression kSetTitle(QStringLiteral("-> xdg_toplevel[@#]\\d+\\.set_title\\(\"(.*)\"\\)$"),
                                   QRegularExpression::MultilineOption);
// A protocol log line begins with a bracketed timestamp: "[ 1234.567]" or "[02:06:18.868961]".
const QRegularExpression kProtocolLine(QStringLiteral("^\\[\\s*[\\d:]+\\.\\d+\\]"));

QSet<QString> titlesSent(const QString& log)
{
    QSet<QString> titles;
    for (const QRegularExpressionMatch& match : kSetTitle.globalMatch(log)) {
        titles.insert(match.captured(1));
    }
    return titles;
}

// The files mapped into the game's process: its platform plugin and the libraries it loaded.
QString mappedFiles(const GameProcess& game)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(game.pid()));
    EXPECT_TRUE(maps.open(QIODevice::ReadOnly)) << "cannot read " << maps.fileName().toStdString();
    return QString::fromLocal8Bit(maps.readAll());
}

QStringList linesOtherThanProtocol(QStringList lines)
{
    lines.removeIf([](const QString& line) { return kProtocolLine.match(line).hasMatch(); });
    return lines;
}

class OnWayland : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(compositor.start()) << compositor.error().toStdString();
        // The platform chosen by Qt's option: the decorations are decided as when Qt chooses Wayland.
        QProcessEnvironment environment = GameProcess::withoutDisplay();
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), compositor.socketName());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), compositor.runtimeDir());
        environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        game.emplace(
            GameProcess::Launch{.environment = environment,
                                .arguments = {QStringLiteral("-platform"), QStringLiteral("wayland")}});
        ASSERT_TRUE(game->start());
    }

    void TearDown() override { game.reset(); }

    WaylandServer compositor;
    std::optional<GameProcess> game;
};

TEST_F(OnWayland, startsPlaysWithAScrollingTitleAndEndsOnSigterm)
{
    ASSERT_TRUE(game->waitUntilPlaying()) << game->stderrText().right(2000).toStdString();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return titlesSent(game->stderrText()).size() >= kMarqueeSteps; }, kHangLimitMs))
        << "titles sent: " << titlesSent(game->stderrText()).size();
    // The game paints in software: no EGL driver, no Mesa, no GPU buffer manager is loaded for it.
    const QString mapped = mappedFiles(*game);
    for (const char* library : {"libEGL_mesa", "_dri.so", "libgbm", "libwayland-egl"}) {
        EXPECT_FALSE(mapped.contains(QLatin1String(library))) << library << " is loaded";
    }

    const QSet<QString> titles = titlesSent(game->stderrText());
    for (const QString& title : titles) {
        if (title != QLatin1String("Form1")) {
            EXPECT_EQ(title.size(), GameConstants::kTitleWidth) << title.toStdString();
        }
    }

    game->sendSignal(SIGTERM);
    const GameProcess::Exit exit = game->waitForExit();
    // The protocol log shares stderr; the lines besides it are judged here.
    EXPECT_TRUE(game->endedWithStatus(exit, 0));
    const QStringList unexpected = linesOtherThanProtocol(game->unexpectedStderrLines());
    EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(QLatin1Char('\n')).toStdString();
}

TEST_F(OnWayland, losingTheCompositorEndsTheGameWithOneLineAndAFailureStatus)
{
    ASSERT_TRUE(game->waitUntilPlaying()) << game->stderrText().right(2000).toStdString();
    compositor.stop();
    // 1 is also the status of a display that cannot be opened.
    EXPECT_TRUE(game->endedWithStatus(game->waitForExit(), 1));
    const QStringList lines = linesOtherThanProtocol(game->unexpectedStderrLines());
    ASSERT_EQ(lines.size(), 1) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines.first().startsWith(
        QStringLiteral("highroll: lost the display (WAYLAND_DISPLAY=%1): The Wayland connection broke")
            .arg(compositor.socketName())))
        << lines.first().toStdString();
}

// With an X server beside the compositor and no platform chosen: the compositor that draws title bars
// (phoc) is taken, and Qt told to draw none (so it loads no EGL); beside one that draws none (weston) the
// X server is, whose window manager draws it. A Wayland session may name only its type, its compositor
// then found under the default socket name.
TEST(DisplayChoice, theGameTakesTheDisplayThatGivesItATitleBar)
{
    struct Start {
        const char* what;
        WaylandServer::Compositor compositor;
        bool sessionOnly; // XDG_SESSION_TYPE=wayland names the session, not WAYLAND_DISPLAY
        bool onWayland;
    };
    const Start starts[] = {
        {"phoc beside X", WaylandServer::Compositor::Phoc, false, true},
        {"weston beside X", WaylandServer::Compositor::Weston, false, false},
        {"a weston session beside X", WaylandServer::Compositor::Weston, true, false},
    };
    XvfbServer x11;
    ASSERT_TRUE(x11.start()) << x11.error().toStdString();
    for (const Start& start : starts) {
        SCOPED_TRACE(start.what);
        WaylandServer compositor(start.compositor);
        ASSERT_TRUE(compositor.start()) << compositor.error().toStdString();
        QProcessEnvironment environment = GameProcess::withoutDisplay();
        environment.insert(QStringLiteral("DISPLAY"), x11.display());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), compositor.runtimeDir());
        if (start.sessionOnly) {
            environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        } else {
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), compositor.socketName());
        }
        GameProcess game({.environment = environment});
        ASSERT_TRUE(game.start());
        ASSERT_TRUE(game.waitUntilPlaying()) << game.stderrText().toStdString();
        const QString mapped = mappedFiles(game);
        EXPECT_EQ(mapped.contains(QLatin1String("platforms/libqwayland")), start.onWayland);
        EXPECT_EQ(mapped.contains(QLatin1String("platforms/libqxcb")), !start.onWayland);
        EXPECT_FALSE(mapped.contains(QLatin1String("libEGL_mesa")));
        game.sendSignal(SIGTERM);
        EXPECT_TRUE(game.endedWith(game.waitForExit(), 0));
    }
}

} // namespace
