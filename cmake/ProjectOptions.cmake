# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# What every target of ours is built with, attached one way: each target links project_options
# PRIVATE, and nothing is set globally, so the order of includes and subdirectories does not matter.
include(${CMAKE_CURRENT_LIST_DIR}/ProjectWarnings.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Hardening.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Sanitizers.cmake)

add_library(project_options INTERFACE)
target_link_libraries(project_options INTERFACE project_warnings project_hardening project_sanitizers)
