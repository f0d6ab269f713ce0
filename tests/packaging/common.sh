# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the packaging checks: one way to fail, and a clear word when a tool is missing.

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

# need <command> <Debian package>: the checks name the package that brings a missing tool.
need() {
    command -v "$1" >/dev/null 2>&1 || fail "$1 is not installed (Debian package $2; scripts/packages.sh installs it)"
}

pass() {
    printf 'ok: %s\n' "$*"
}

# skip <reason>: the check cannot run here, which ctest reports as skipped (SKIP_RETURN_CODE 77).
skip() {
    printf '%s: skipped\n' "$*"
    exit 77
}

# expect_no_display_line <program> <locale> <start of the line>: the program, started without any
# display in locale, ends saying so on one line that begins as given (in that locale's language: it
# found its catalogues from where it is installed).
expect_no_display_line() {
    local said
    # The language through LANGUAGE, over a locale every system has: Qt 6.8 warns on stderr, before the
    # program's first line, when LANG names a locale that is not generated (as on a fresh system).
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
        LANGUAGE="${2%%.*}" "$1" 2>&1 >/dev/null) && fail "$1 started without a display"
    [[ "$said" == "$3"* ]] || fail "$1 in $2 did not say '$3...': $said"
}
