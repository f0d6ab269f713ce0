// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1layout.h"
#include "units.h"

#include <QSize>
#include <QString>
#include <QWidget>

// What both floors share with the game's window: an empty top-level widget of the same fixed client
// size, read from the game's layout, and a first title.
namespace FloorWindow {

inline constexpr QSize kClientSize{kForm1WidthTwips / Units::kTwipsPerPixel,
                                   kForm1HeightTwips / Units::kTwipsPerPixel};

inline void setUp(QWidget& window)
{
    window.setFixedSize(kClientSize);
    window.setWindowTitle(QStringLiteral("Form1"));
}

} // namespace FloorWindow
