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

// A face of the layout, how the layout asks for it, and the look-alike Debian draws it in.
struct LookAlike {
    const char* face;
    double points;
    bool bold;
    bool italic;
    const char* family;
    int pixels;
    QFont::Weight weight;
};

class MissingFace : public ::testing::TestWithParam<LookAlike> {};

TEST_P(MissingFace, isDrawnInTheHeavyWeightOfItsLookAlike)
{
    const LookAlike& test = GetParam();
    const QString name = QString::fromLatin1(test.face);
    const QString family = QString::fromLatin1(test.family);
    if (QFontDatabase::hasFamily(name)) {
        GTEST_SKIP() << test.face << " itself is installed, so no look-alike is drawn";
    }
    if (!QFontDatabase::hasFamily(family)) {
        GTEST_SKIP() << test.family
                     << " is not installed (scripts/packages.sh lists its package in FONT_PACKAGES)";
    }
    // As a caption is drawn: in the face its first paint finds.
    EXPECT_EQ(drawn(Fonts::asDrawn(Fonts::font(name, test.points, test.bold, test.italic))),
              drawn(face(family, test.pixels, test.weight, test.italic)));
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, MissingFace,
    ::testing::Values(LookAlike{"Impact", 72, false, true, "Bebas Neue", 96, QFont::Bold},
                      LookAlike{"Arial Black", 24, true, false, "Lato", 32, QFont::Black},
                      LookAlike{"Courier New", 20.25, true, false, "Liberation Mono", 27, QFont::Bold}),
    [](const auto& param) {
        std::string name = param.param.face;
        std::erase(name, ' ');
        return name;
    });

} // namespace
