// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

// What both floors share with the game's window: an empty top-level widget of the same fixed client
// size (354 x 322 pixels: 5310 x 4830 twips at 15 twips a pixel) and a first title.
namespace FloorWindow {

inline constexpr QSize kClientSize{354, 322};

inline void setUp(QWidget& window)
{
    window.setFixedSize(kClientSize);
    window.setWindowTitle(QStringLiteral("Form1"));
}

} // namespace FloorWindow
