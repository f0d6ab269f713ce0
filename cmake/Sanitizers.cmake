# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# HIGHROLL_SANITIZE builds everything, the tests included, with AddressSanitizer (out-of-bounds and
# use-after-free accesses, leaks through LeakSanitizer) and UndefinedBehaviorSanitizer. Undefined
# behaviour is made fatal, so a finding fails the test that hit it instead of scrolling past. Qt and the
# other system libraries are not instrumented; tests/sanitizers/ holds the run-time options and the
# suppressions for them. The flags travel on one interface target, like the warnings and the hardening.
option(HIGHROLL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(project_sanitizers INTERFACE)
if(HIGHROLL_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "HIGHROLL_SANITIZE needs GCC or Clang")
    endif()
    set(sanitizer_flags
        -fsanitize=address,undefined
        -fno-sanitize-recover=undefined
        # Frame pointers give the sanitizers' fast unwinder whole stacks in reports.
        -fno-omit-frame-pointer)
    target_compile_options(project_sanitizers INTERFACE ${sanitizer_flags})
    target_link_options(project_sanitizers INTERFACE ${sanitizer_flags})
endif()
