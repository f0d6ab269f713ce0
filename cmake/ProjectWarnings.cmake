# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# One interface target carries the warning set; every target of ours links it.
add_library(project_warnings INTERFACE)

target_compile_options(project_warnings INTERFACE
    -Wall                 # the common set
    -Wextra               # and the less common but still sensible ones
    -Wpedantic            # no compiler extensions
    -Wshadow              # a local that hides another name
    -Wconversion          # implicit narrowing, e.g. double to float or int
    -Wsign-conversion     # implicit signed/unsigned changes
    -Wold-style-cast      # C casts hide what kind of conversion is meant
    -Wnon-virtual-dtor    # a class with virtual functions and a non-virtual destructor
    -Woverloaded-virtual  # an overload that hides a virtual function
    -Wnull-dereference    # a path that dereferences null
    -Wdouble-promotion    # float silently promoted to double
    -Wformat=2            # printf-style format problems
    -Wimplicit-fallthrough
    $<$<BOOL:${HIGHROLL_WARNINGS_AS_ERRORS}>:-Werror>
)
