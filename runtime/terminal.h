// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buildinfo.h"

#include <cstdio>

#include <QString>

// The terminal the program was started from, and the one way the program writes to it: the command
// line's answers, and its own lines on stderr, each starting with the program's name. A Windows program
// with a window of its own gets no console streams from the console it was started from; it joins that
// console first, so everything it writes appears there as everywhere else.
namespace Terminal {

// Joins the starting console where the platform needs it, before anything is written; streams
// redirected to a file or a pipe stay as they are. Call once, at the start of main().
void attach();

// Writes text to stream (stdout or stderr) in the terminal's encoding.
void write(std::FILE* stream, const QString& text);

// Writes "<program>: <line>" on stderr: how the program itself says anything there.
inline void say(const QString& line)
{
    write(stderr, QLatin1String(BuildInfo::kProgram) + QLatin1String(": ") + line + QLatin1Char('\n'));
}

} // namespace Terminal
