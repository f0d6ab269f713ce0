// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include "units.h"

#include <array>
#include <optional>

#include <QFontDatabase>
#include <QStringList>

namespace {

struct Substitute {
    QLatin1StringView face;
    QStringList lookAlikes;
    QFont::StyleHint hint;
    // Some faces exist in one heavy weight only; a look-alike family must be asked for that weight.
    std::optional<QFont::Weight> weight;
};

const std::array<Substitute, 3>& substitutes()
{
    static const std::array<Substitute, 3> table{{
        // Liberation Mono has the metrics of Courier New, so captions fill their labels the same way.
        {QLatin1StringView("Courier New"),
         {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")},
         QFont::Monospace,
         std::nullopt},
        // Bebas Neue is the closest heavy condensed display face in Debian; its bold is Impact's weight.
        {QLatin1StringView("Impact"),
         {QStringLiteral("Bebas Neue"), QStringLiteral("DejaVu Sans Condensed")},
         QFont::SansSerif,
         QFont::Bold},
        // Arial Black is a black-weight grotesque; Lato's black weight is the nearest in Debian.
        {QLatin1StringView("Arial Black"),
         {QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")},
         QFont::SansSerif,
         QFont::Black},
    }};
    return table;
}

} // namespace

namespace Fonts {

QFont font(const QString& face, double points, bool bold, bool italic)
{
    QFont result;
    QStringList families{face};
    QFont::Weight weight = bold ? QFont::Bold : QFont::Normal;
    const bool faceInstalled = QFontDatabase::hasFamily(face);
    for (const Substitute& substitute : substitutes()) {
        if (!faceInstalled && face.compare(substitute.face, Qt::CaseInsensitive) == 0) {
            families += substitute.lookAlikes;
            result.setStyleHint(substitute.hint);
            if (substitute.weight) {
                weight = std::max(weight, *substitute.weight);
            }
        }
    }
    result.setFamilies(families);
    result.setPixelSize(Units::pointsToPixels(points));
    result.setWeight(weight);
    result.setItalic(italic);
    return result;
}

} // namespace Fonts
