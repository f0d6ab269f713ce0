// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "units.h"

#include <cmath>

namespace Units {

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect twipsToPixels(const TwipsRect& rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

QSize twipsToPixels(int widthTwips, int heightTwips)
{
    return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

int pointsToPixels(double points)
{
    return static_cast<int>(std::lround(points * kTwipsPerPoint / kTwipsPerPixel));
}

} // namespace Units
