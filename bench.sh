#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds HighRoll (RelWithDebInfo, as released) and the floors it is measured against, then runs the
# benchmark on a private Xvfb display and prints one table; docs/benchmark.md explains each figure.
# Debian's dice games kiriki and tali are measured beside it when installed; this never installs them.
# Options go to bench/bench.py: --runs N (default 5), --start-runs N (more starts alone, default 20),
# --tick-runs N (default 2), --count-runs N (runs under callgrind, default 1), --save FILE,
# --language LOCALE (the game also started in that locale, e.g. de_DE.UTF-8).
# Exit status: 0 all targets met, 3 a target missed, 1 the benchmark could not measure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${LANGUAGE_PACKAGES[@]}" "${DESKTOP_PACKAGES[@]}" \
    "${BENCH_PACKAGES[@]}"

# Build folders of its own, so a benchmark never changes the dev, ci or release trees.
cmake -S . -B build/bench-game -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHIGHROLL_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench-game
cmake -S bench -B build/bench-floors -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/bench-floors

# Debian's interpreter, which has python3-xlib, whatever python3 comes first on PATH.
exec /usr/bin/python3 bench/bench.py \
    --game build/bench-game/app/highroll \
    --bare build/bench-floors/barewindow \
    --title build/bench-floors/titlewindow \
    --text build/bench-floors/textwindow \
    --paint build/bench-floors/paintwindow \
    --facts build/bench-game/tools/highroll_facts \
    "$@"
