#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source of the program that a Windows build compiles (all but the files named for another
# platform) passes a Windows compiler's syntax check against the installed Qt 6 headers: the portable
# code stays portable. Qt's Linux headers stand in for a Windows Qt; their dllimport warnings are
# silenced, nothing else.
# Usage: check-windows-syntax.sh <source dir> <folder of the generated headers (buildinfo.h)>
set -euo pipefail
source "$(dirname "$0")/common.sh"
src=$1 generated=$2
compiler=x86_64-w64-mingw32-g++-posix
need "$compiler" g++-mingw-w64-x86-64-posix
qt=$(dirname "$(find /usr/include -maxdepth 3 -type d -name QtCore -path '*qt6*' | head -n1)")
[ -d "$qt" ] || fail "no Qt 6 headers found"

# Qt 6.8's Linux headers no longer ship the Windows-only qwindowdefs_win.h, which qwindowdefs.h includes
# on Windows. It only declares Windows' handle types, as <windows.h> declares them (STRICT): a stand-in
# with the same declarations takes its place when it is missing.
standin=$(mktemp -d)
trap 'rm -rf "$standin"' EXIT
if [ ! -f "$qt/QtGui/qwindowdefs_win.h" ]; then
    mkdir -p "$standin/QtGui"
    {
        echo '#pragma once'
        for handle in HINSTANCE HDC HWND HFONT HPEN HBRUSH HBITMAP HICON HPALETTE HRGN HMONITOR; do
            echo "struct ${handle}__; typedef struct ${handle}__ *${handle};"
        done
        echo 'typedef HINSTANCE HMODULE; typedef HICON HCURSOR;'
    } >"$standin/QtGui/qwindowdefs_win.h"
fi

cd "$src"
mapfile -t sources < <(ls runtime/*.cpp window/*.cpp game/*.cpp app/*.cpp | grep -v -E '_(unix|linux|mac|wasm)\.cpp$')
failed=0
for source in "${sources[@]}"; do
    if ! "$compiler" -std=c++20 -fsyntax-only -Wno-attributes -I"$qt" -I"$standin" -I"$qt/QtCore" -I"$qt/QtGui" \
        -I"$qt/QtWidgets" -Iruntime -Iwindow -Igame -Iapp -I"$generated" "$source"; then
        echo "FAIL: $source" >&2
        failed=1
    fi
done
[ "$failed" -eq 0 ] || fail "sources that do not compile for Windows (above)"
pass "${#sources[@]} sources compile for Windows"
