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

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WIN32 AND NOT APPLE)
    # Executables linking this become PIE: CMake adds -fPIE/-pie once check_pie_supported() passed.
    set_target_properties(project_hardening PROPERTIES INTERFACE_POSITION_INDEPENDENT_CODE ON)
    target_compile_options(project_hardening INTERFACE
        -fstack-protector-strong
        # A toolchain may define its own level already; ours replaces it instead of redefining it.
        "$<${HIGHROLL_FORTIFIED_CONFIG}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    target_link_options(project_hardening INTERFACE LINKER:-z,relro,-z,now)
    set(HIGHROLL_HARDENED ON)
else()
    set(HIGHROLL_HARDENED OFF)
endif()
