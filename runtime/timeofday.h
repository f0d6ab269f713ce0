// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Seconds since local midnight, with the fraction of a second, in single precision (to about 8 ms late
// in the day, which is plenty to tell two starts of the program apart).
float secondsSinceMidnight();
