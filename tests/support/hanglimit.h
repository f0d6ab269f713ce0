// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How long a test waits for something that should happen before it calls it a hang: long enough that
// only a hang runs it out, never a busy machine or the sanitizers' build. Set, with the rest of the
// tests' timeout policy, in tests/CMakeLists.txt.
inline constexpr int kHangLimitMs = HIGHROLL_TEST_HANG_LIMIT_S * 1000;
