// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The figures a Shape draws; plain data, so that a layout table can name them without the widget.
enum class ShapeKind { Rectangle, RoundedSquare, Circle };

// A rounded square's corner radius, as a fraction of its side.
inline constexpr double kRoundedCornerRatio = 0.125;
