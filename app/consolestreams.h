// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

#include <QString>

// Where the command line's answers go: the terminal the program was started from, in its encoding. A
// Windows program with a window of its own gets no console streams from the console it was started
// from; it joins that console first, so --help and --version answer there as everywhere else.
namespace ConsoleStreams {

// Joins the starting console where the platform needs it; streams redirected to a file or a pipe stay
// as they are. Harmless when called again.
void attach();

// Writes text to stream (stdout or stderr) in the terminal's encoding.
void write(std::FILE* stream, const QString& text);

} // namespace ConsoleStreams
