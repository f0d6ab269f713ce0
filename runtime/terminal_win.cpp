// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows a program with a window (the GUI subsystem) starts without console streams: it joins the
// console of the program that started it, and writes to a console in UTF-16, which shows every script
// whatever the console's code page.
#include "terminal.h"

#include <io.h>
#include <windows.h>

namespace {

HANDLE handleOf(std::FILE* stream)
{
    return GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

} // namespace

void Terminal::attach()
{
    // A stream already given (redirected to a file or a pipe) is kept: only missing ones join the console.
    const bool outMissing = handleOf(stdout) == nullptr || handleOf(stdout) == INVALID_HANDLE_VALUE;
    const bool errMissing = handleOf(stderr) == nullptr || handleOf(stderr) == INVALID_HANDLE_VALUE;
    // Joined even when both streams are given: the console's Ctrl+C and close then reach the program
    // (QuitOnStopRequest). Fails without a starting console (started from Explorer).
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0 && GetConsoleWindow() == nullptr) {
        return;
    }
    if (outMissing) {
        (void)std::freopen("CONOUT$", "w", stdout);
    }
    if (errMissing) {
        (void)std::freopen("CONOUT$", "w", stderr);
    }
}

void Terminal::write(std::FILE* stream, const QString& text)
{
    std::fflush(stream);
    const HANDLE handle = handleOf(stream);
    if (isConsole(handle)) {
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.utf16()), static_cast<DWORD>(text.size()),
                      &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}
