# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers (g++-mingw-w64-x86-64-posix).
# windows.sh builds both Qt and the game with it. The posix thread model is the one Qt supports with
# MinGW: its std::thread and std::mutex are what Qt's threads are made of.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HIGHROLL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HIGHROLL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HIGHROLL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HIGHROLL_MINGW_TRIPLE}-windres)

# Libraries, headers and CMake packages come from the MinGW sysroot and the prefixes the build names in
# CMAKE_PREFIX_PATH (the Windows Qt), never from the Linux system; programs (the host's Qt tools, perl)
# from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${HIGHROLL_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
