// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon offers every rendering it is made from, and draws each size from a rendering.
#include "renderedicon.h"

#include <QDir>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString kRenderings = QStringLiteral(HIGHROLL_ICON_RENDERINGS_DIR);

// Pixmaps hold premultiplied alpha: compared in that form, the edge pixels' rounding is the same.
QImage premultiplied(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(RenderedIcon, offersEachRenderingAndNeverAPixmapLargerThanAsked)
{
    const QIcon icon(new RenderedIcon(kRenderings));
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_EQ(sizes.size(), QDir(kRenderings).entryList(QDir::Files).size());
    ASSERT_TRUE(sizes.contains(QSize(48, 48)));
    ASSERT_TRUE(sizes.contains(QSize(256, 256)));

    EXPECT_EQ(premultiplied(icon.pixmap(QSize(48, 48)).toImage()),
              premultiplied(QImage(kRenderings + QStringLiteral("/48.png"))));
    // Between two renderings: the larger one, scaled down.
    EXPECT_EQ(icon.pixmap(QSize(40, 40)).size(), QSize(40, 40));
    // Beyond the largest: the largest as it is.
    EXPECT_EQ(icon.pixmap(QSize(512, 512)).size(), QSize(256, 256));
}

} // namespace
