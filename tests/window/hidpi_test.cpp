// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs with QT_SCALE_FACTOR=2 (set by this program's main before the application starts).
#include "form.h"
#include "form1layout.h"
#include "formbuilder.h"

#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

TEST(HighDpi, windowIsTwiceTheSizeInPhysicalPixels)
{
    Form form;
    const ControlSet controls = FormBuilder::build(form, form1Layout());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_DOUBLE_EQ(form.devicePixelRatio(), 2.0);
    EXPECT_EQ(form.size(), QSize(354, 322)) << "device-independent size stays the layout's";

    const QPixmap picture = form.grab();
    EXPECT_EQ(picture.size(), QSize(708, 644));
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
}

TEST(HighDpi, shapesAreDrawnAtFullResolution)
{
    Form form;
    const ControlSet controls = FormBuilder::build(form, form1Layout());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.grab().toImage();

    // Across the left edge of the centre pip (x = 40 dips = 80 physical pixels) the colour goes from the
    // die's red to the pip's white. Drawn at full resolution, the black outline is 2 physical pixels wide
    // and the edge is sharp: at most 4 pixels that are neither red nor white. An image drawn at 1x and
    // scaled up would smear the same edge over more pixels.
    const int y = 112; // the middle of the centre pip, in physical pixels
    int between = 0;
    bool sawDark = false;
    for (int x = 70; x < 92; ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (colour != QColor(255, 0, 0) && colour != QColor(255, 255, 255)) {
            ++between;
        }
        sawDark = sawDark || colour.lightness() < 40;
    }
    EXPECT_TRUE(sawDark) << "the outline is drawn";
    EXPECT_LE(between, 4);
    EXPECT_GE(between, 2);
}

} // namespace
