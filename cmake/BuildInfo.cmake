# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's version, its application id and the catalogues' place relative to the program reach
# C++ through one generated header, buildinfo.h, and nothing else: a target that needs them links
# buildinfo, and a check that compiles sources outside CMake (tests/packaging/check-windows-syntax.sh)
# adds HIGHROLL_GENERATED_INCLUDE_DIR to its include path.
set(HIGHROLL_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/buildinfo.h.in ${HIGHROLL_GENERATED_INCLUDE_DIR}/buildinfo.h @ONLY)

add_library(buildinfo INTERFACE)
target_include_directories(buildinfo INTERFACE ${HIGHROLL_GENERATED_INCLUDE_DIR})
