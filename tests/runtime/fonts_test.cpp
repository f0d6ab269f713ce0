// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The faces a Linux desktop lacks are drawn in their look-alikes, in the weight each stands in for.
#include "fonts.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage drawn(const QFont& font)
{
    QImage image(400, 140, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Roll 0123456789"));
    return image;
}

QFont face(const QString& family, int pixels, QFont::Weight weight, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

TEST(Fonts, missingFacesAreDrawnInTheHeavyWeightOfTheirLookAlikes)
{
    struct Case {
        const char* face;
        double points;
        bool bold;
        bool italic;
        QFont lookAlike;
    };
    const Case cases[] = {
        {"Impact", 72, false, true, face(QStringLiteral("Bebas Neue"), 96, QFont::Bold, true)},
        {"Arial Black", 24, true, false, face(QStringLiteral("Lato"), 32, QFont::Black, false)},
        {"Courier New", 20.25, true, false, face(QStringLiteral("Liberation Mono"), 27, QFont::Bold, false)},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.face);
        const QString name = QString::fromLatin1(test.face);
        if (QFontDatabase::hasFamily(name) || !QFontDatabase::hasFamily(test.lookAlike.family())) {
            continue; // the face itself is installed, or its look-alike's package is not
        }
        EXPECT_EQ(drawn(Fonts::font(name, test.points, test.bold, test.italic)), drawn(test.lookAlike));
    }
}

} // namespace
