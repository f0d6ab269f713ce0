// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself, started as a player would start it, where it cannot open a display.
#include "gameprocess.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, withNoDisplaySaysSoOnOneLineAndExitsOne)
{
    GameProcess game({.environment = GameProcess::withoutDisplay()});
    EXPECT_TRUE(game.endedWith(game.run(), 1, {QStringLiteral("highroll: cannot start: no display")}));
}

TEST(Startup, withARefusedDisplayConnectionSaysSoOnOneLineAndExitsOne)
{
    // Nothing listens on display 87; the connection is refused. The display is named in the environment,
    // the platform left to Qt or chosen, or by Qt's options beside a Wayland display they leave aside, or
    // over another X display.
    const std::pair<const char*, QStringList> starts[] = {
        {"DISPLAY=:87", {}},
        {"DISPLAY=:87 QT_QPA_PLATFORM=xcb", {}},
        {"WAYLAND_DISPLAY=nowhere", {"-platform", "xcb", "-display", ":87"}},
        {"DISPLAY=:86", {"-display", ":87"}},
    };
    for (const auto& [variables, arguments] : starts) {
        SCOPED_TRACE(variables);
        QProcessEnvironment environment = GameProcess::withoutDisplay();
        for (const QString& variable : QString::fromLatin1(variables).split(QLatin1Char(' '))) {
            environment.insert(variable.section(QLatin1Char('='), 0, 0),
                               variable.section(QLatin1Char('='), 1));
        }
        GameProcess game({.environment = environment, .arguments = arguments});
        EXPECT_TRUE(game.endedWith(
            game.run(), 1,
            {QStringLiteral("highroll: cannot start: no display could be opened (DISPLAY=:87)")}));
    }
}

} // namespace
