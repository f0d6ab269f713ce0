// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux and the other Unix systems a program inherits its terminal's streams, in the locale's encoding.
#include "terminal.h"

void Terminal::attach()
{}

void Terminal::write(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s", text.toLocal8Bit().constData());
    std::fflush(stream);
}
