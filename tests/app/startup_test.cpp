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
    for (const char* platform : {"", "xcb"}) {
        SCOPED_TRACE(platform);
        QProcessEnvironment environment = GameProcess::withoutDisplay();
        // Nothing listens on display 87; the connection is refused.
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":87"));
        if (*platform != '\0') {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        }
        GameProcess game({.environment = environment});
        EXPECT_TRUE(game.endedWith(
            game.run(), 1,
            {QStringLiteral("highroll: cannot start: no display could be opened (DISPLAY=:87)")}));
    }
}

} // namespace
