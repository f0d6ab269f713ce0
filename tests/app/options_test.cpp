// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, through the real program: what it answers without any display and with one, what
// a mistake on it does, that Qt's own options pass, and two ways of starting a desktop session has.
#include "buildinfo.h"
#include "gameprocess.h"
#include "waylandserver.h"
#include "xvfbserver.h"

#include <csignal>

#include <QTest>

#include <gtest/gtest.h>

namespace {

// GNU's form: the name and version, the copyright, the licence and the warranty, a line each.
const QString kVersionAnswer =
    QStringLiteral("highroll %1\nCopyright © 2026 HighRoll maintainers\n"
                   "License GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
                   "This is free software: you are free to change and redistribute it.\n"
                   "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QLatin1String(BuildInfo::kVersion));

// What the program wrote when run with arguments in environment, expecting it to end by itself with
// status.
struct Answer {
    QString out;
    QString err;
};

Answer answer(const QProcessEnvironment& environment, const QStringList& arguments, int status)
{
    GameProcess program({.environment = environment, .arguments = arguments});
    EXPECT_TRUE(program.endedWithStatus(program.run(), status))
        << arguments.join(QLatin1Char(' ')).toStdString();
    return {program.stdoutText(), program.stderrText()};
}

void expectAnswers(const QProcessEnvironment& environment)
{
    for (const char* help : {"--help", "-h"}) {
        const Answer said = answer(environment, {QString::fromLatin1(help)}, 0);
        EXPECT_TRUE(said.out.contains(QLatin1String("Usage:")) &&
                    said.out.contains(QLatin1String("--version")) &&
                    !said.out.contains(QLatin1String("-platform")))
            << said.out.toStdString();
    }
    const Answer all = answer(environment, {QStringLiteral("--help-all")}, 0);
    EXPECT_TRUE(all.out.contains(QLatin1String("--version")) && all.out.contains(QLatin1String("--platform")))
        << "Qt's options listed too: " << all.out.toStdString();
    for (const char* version : {"--version", "-v"}) {
        EXPECT_EQ(answer(environment, {QString::fromLatin1(version)}, 0).out, kVersionAnswer) << version;
    }
    // A mistake is named on one line, with a hint to --help, and has a status of its own.
    const std::pair<const char*, const char*> mistakes[] = {
        {"--bogus", "highroll: Unknown option 'bogus'. Try 'highroll --help' for the options.\n"},
        {"stray", "highroll: Unexpected argument 'stray'. Try 'highroll --help' for the options.\n"},
    };
    for (const auto& [argument, line] : mistakes) {
        const Answer said = answer(environment, {QString::fromLatin1(argument)}, 64);
        EXPECT_EQ(said.err, QString::fromUtf8(line));
        EXPECT_EQ(said.out, QString());
    }
}

TEST(Options, answerWithoutAnyDisplay)
{
    expectAnswers(GameProcess::withoutDisplay());
}

TEST(Options, answerTheSameWithADisplay)
{
    XvfbServer server;
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    expectAnswers(GameProcess::onX11(server.display()));
}

TEST(Options, answerInThePlayersLanguage)
{
    // German through LANGUAGE, over a locale every system has: Qt 6.8 warns on stderr, before the
    // program's first line, when LANG names a locale that is not generated (de_DE.UTF-8 on a fresh system).
    QProcessEnvironment german = GameProcess::withoutDisplay();
    german.remove(QStringLiteral("LC_ALL"));
    german.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    german.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    // The program's words and Qt's (its catalogue loaded as well).
    const QString help = answer(german, {QStringLiteral("--help")}, 0).out;
    EXPECT_TRUE(help.contains(QStringLiteral("Ein Würfelspiel")) && help.contains(QStringLiteral("Aufruf:")))
        << help.toStdString();
    const QString version = answer(german, {QStringLiteral("--version")}, 0).out;
    EXPECT_TRUE(version.startsWith(QStringLiteral("highroll ")) &&
                version.contains(QStringLiteral("GPLv3+")) &&
                !version.contains(QStringLiteral("NO WARRANTY")))
        << "the licence lines translated: " << version.toStdString();
    EXPECT_TRUE(
        answer(german, {}, 1).err.startsWith(QStringLiteral("highroll: Start nicht möglich: keine Anzeige")));
    const Answer mistake = answer(german, {QStringLiteral("stray")}, 64);
    EXPECT_TRUE(mistake.err.startsWith(QStringLiteral("highroll: Unerwartetes Argument „stray“.")))
        << mistake.err.toStdString();
}

// Qt's own options reach Qt: -platform chooses the display (no DISPLAY is needed for offscreen), and
// -style is taken, not refused as unknown.
TEST(Options, qtsOwnOptionsPassToQt)
{
    GameProcess game({.environment = GameProcess::withoutDisplay(),
                      .arguments = {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                    QStringLiteral("-style"), QStringLiteral("Fusion")}});
    ASSERT_TRUE(game.start());
    ASSERT_TRUE(game.waitUntilPlaying()) << game.stderrText().toStdString();
    game.sendSignal(SIGTERM);
    EXPECT_TRUE(game.endedWith(game.waitForExit(), 0));
}

// A Wayland desktop without XWayland names only its compositor.
TEST(Starting, aSessionWithOnlyAWaylandDisplayStartsTheGame)
{
    WaylandServer compositor;
    ASSERT_TRUE(compositor.start()) << compositor.error().toStdString();
    QProcessEnvironment environment = GameProcess::withoutDisplay();
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), compositor.socketName());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), compositor.runtimeDir());
    GameProcess game({.environment = environment});
    ASSERT_TRUE(game.start());
    ASSERT_TRUE(game.waitUntilPlaying()) << game.stderrText().toStdString();
    game.sendSignal(SIGTERM);
    EXPECT_TRUE(game.endedWith(game.waitForExit(), 0));
}

// nohup starts a program with SIGHUP ignored, so that it outlives its terminal: it must stay ignored.
TEST(Starting, aHangupIgnoredAtStartStaysIgnored)
{
    GameProcess game({.environment = GameProcess::offscreen(), .wrapper = {QStringLiteral("nohup")}});
    ASSERT_TRUE(game.start());
    ASSERT_TRUE(game.waitUntilPlaying()) << game.stderrText().toStdString();
    game.sendSignal(SIGHUP);
    // Still playing well after the signal would have been handled: the marquee goes on ticking.
    const qsizetype ticks = game.stderrText().count(QLatin1String("Timer2"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return game.stderrText().count(QLatin1String("Timer2")) > ticks + 10; },
                                kHangLimitMs));
    ASSERT_TRUE(game.running());
    EXPECT_FALSE(game.stderrText().contains(QLatin1String("ending on SIGHUP")));
    game.sendSignal(SIGTERM);
    EXPECT_TRUE(game.endedWithStatus(game.waitForExit(), 0));
}

} // namespace
