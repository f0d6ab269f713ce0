# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# One interface target carries the hardening Debian's policy asks of a program: position-independent
# executable, full RELRO (relocations read-only after start-up, every symbol bound at load), stack
# protector and fortified libc calls. It is harmless on libraries: static ones pass the link options
# on to the executable that links them.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

add_library(project_hardening INTERFACE)

# _FORTIFY_SOURCE only works when the compiler optimises (glibc warns and ignores it otherwise), so
# Debug builds go without it. Tests that look for fortified calls ask the same question.
set(HIGHROLL_FORTIFIED_CONFIG "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")

# WebAssembly needs none of it: its code is not in addressable memory, and the engine checks every call.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WIN32 AND NOT APPLE AND NOT EMSCRIPTEN)
    # Executables linking this become PIE: CMake adds -fPIE/-pie once check_pie_supported() passed.
    set_target_properties(project_hardening PROPERTIES INTERFACE_POSITION_INDEPENDENT_CODE ON)
    target_compile_options(project_hardening INTERFACE -fstack-protector-strong)
    # The level is the packager's or the toolchain's when either chose one (dpkg-buildflags' CPPFLAGS
    # give 2, which debhelper passes in CMAKE_CXX_FLAGS; Ubuntu's compilers define 3 whenever they
    # optimise); 2 where neither did. Asked with optimisation on, as the fortified builds compile.
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_FLAGS -O2)
    set(CMAKE_REQUIRED_QUIET ON)
    check_cxx_source_compiles("#include <cstdio>\n#ifndef _FORTIFY_SOURCE\n#error none\n#endif\nint main() {}"
        HIGHROLL_FORTIFY_LEVEL_GIVEN)
    unset(CMAKE_REQUIRED_FLAGS)
    unset(CMAKE_REQUIRED_QUIET)
    if(NOT HIGHROLL_FORTIFY_LEVEL_GIVEN)
        target_compile_options(project_hardening INTERFACE "$<${HIGHROLL_FORTIFIED_CONFIG}:-D_FORTIFY_SOURCE=2>")
    endif()
    target_link_options(project_hardening INTERFACE LINKER:-z,relro,-z,now)
    set(HIGHROLL_HARDENED ON)
else()
    set(HIGHROLL_HARDENED OFF)
endif()
