// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QCoreApplication>

// The program's command line, read before anything needs a screen, so that --help, --help-all and
// --version answer without a display, and a mistake on the command line is said before a missing
// display would be. Qt's own options (-platform, -display, -style, ...) are accepted and left to Qt,
// which reads them when the application is made.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // An option or argument the program does not take (sysexits.h names it EX_USAGE).
    static constexpr int kUsageErrorStatus = 64;

    struct Reading {
        // Set when the command line has been answered (help, version, a usage error): the status to
        // end with. Unset when the game is to start.
        std::optional<int> endStatus;
        // -platform chooses the display, as QT_QPA_PLATFORM does.
        bool choosesPlatform = false;
    };

    // Writes what the command line asks for (on stdout; a usage error on stderr), in the player's
    // language. Makes and ends an application object of its own, only when there are arguments.
    static Reading read(int argc, char* argv[]);
};
