// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// The layout is written in twips (1/1440 inch) and font sizes in points. Every conversion to Qt's
// device-independent pixels happens here; Qt then applies the screen's device pixel ratio, so the window
// keeps its proportions and stays sharp at any scale.
namespace Units {

// 96 device-independent pixels per inch: 1440 / 96 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;
// 72 points per inch: 1440 / 72 twips make one point.
inline constexpr int kTwipsPerPoint = 20;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

int twipsToPixels(int twips);
QRect twipsToPixels(const TwipsRect& rect);
QSize twipsToPixels(int widthTwips, int heightTwips);

// Font sizes become pixel sizes on the same 96-per-inch grid as the layout, so text keeps its place
// in the layout whatever logical DPI the desktop reports.
int pointsToPixels(double points);

} // namespace Units
