// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "displaychoice.h"

#include <optional>

#include <QCoreApplication>

// The program's command line and its display, read before anything needs a screen, so that --help,
// --help-all and --version answer without a display, and a mistake on the command line is said before
// a missing display would be. Qt's own options (-platform, -display, -style, ...) are accepted and left
// to Qt, which reads them when the application is made; the display they choose is read here too.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // An option or argument the program does not take (sysexits.h names it EX_USAGE).
    static constexpr int kUsageErrorStatus = 64;

    struct Reading {
        // Set when the program is to end without a window (help, version, a usage error, no display):
        // the status to end with, the answer written. Unset when the game is to start.
        std::optional<int> endStatus;
        DisplayChoice display;
    };

    // Writes what the command line asks for (on stdout; a usage error, or that there is no display, on
    // stderr), in the player's language.
    static Reading read(int argc, char* argv[]);
};
