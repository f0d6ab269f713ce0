// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include "units.h"

#include <array>
#include <optional>
#include <utility>

#include <QFontInfo>
#include <QStringList>

namespace {

// The font is only described here, never looked up (asDrawn aside, at a caption's first paint): Qt matches
// the families in order when the text is first measured or drawn. Asking the font database whether a face is
// installed would load and query fontconfig while the window is built, before it is shown: most of what
// start-up once cost (docs/benchmark.md). So every look-alike must look the same whatever weight is asked
// for, or be asked for the weight the face itself would be drawn in: a family that stands for one weight is
// named by its weight's own family name ("Bebas Neue Bold"), which fontconfig lists and Qt matches to that
// one face.
struct Substitute {
    QLatin1StringView face;
    QStringList lookAlikes;
    QFont::StyleHint hint;
    // For a face that exists in one heavy weight only: the weight both it and its look-alikes are asked
    // for, which draws the face itself unchanged.
    std::optional<QFont::Weight> weight;
    // A look-alike family whose heavy face may be missing, and the weight to draw it in then.
    std::optional<std::pair<QLatin1StringView, QFont::Weight>> lightFamily = {};
};

const std::array<Substitute, 3>& substitutes()
{
    static const std::array<Substitute, 3> table{{
        // Liberation Mono has the metrics of Courier New, so captions fill their labels the same way.
        // Courier New also draws Arabic and Hebrew, which the Latin look-alikes lack: Noto Sans Arabic
        // UI (fonts-noto-ui-core: Noto's Arabic and Persian with a line no taller than a Latin face's)
        // and Miriam Mono CLM, Culmus's monospaced Hebrew (culmus). Each draws only what the faces
        // before it lack, and both come before the last resort, whose Arabic is monospaced.
        {QLatin1StringView("Courier New"),
         {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"), QStringLiteral("Noto Sans Arabic UI"),
          QStringLiteral("Miriam Mono CLM"), QStringLiteral("DejaVu Sans Mono")},
         QFont::Monospace,
         std::nullopt},
        // Bebas Neue's bold is the closest heavy condensed display face in Debian; Impact itself has one
        // weight and is asked for as the layout says, so the bold is named by its family. Debian testing's
        // Bebas Neue 3.0 has its regular face alone, drawn emboldened (asDrawn). The last resort has no
        // family of its own for its bold and is drawn in the layout's weight.
        {QLatin1StringView("Impact"),
         {QStringLiteral("Bebas Neue Bold"), QStringLiteral("Bebas Neue"),
          QStringLiteral("DejaVu Sans Condensed")},
         QFont::SansSerif,
         std::nullopt,
         std::pair{QLatin1StringView("Bebas Neue"), QFont::Bold}},
        // Arial Black is a black-weight grotesque; Lato's black weight is the nearest in Debian; for
        // Arabic and Hebrew, Noto Sans Arabic UI's bold and Culmus's heavy Aharoni.
        {QLatin1StringView("Arial Black"),
         {QStringLiteral("Lato Black"), QStringLiteral("Lato"), QStringLiteral("Noto Sans Arabic UI"),
          QStringLiteral("Aharoni CLM"), QStringLiteral("DejaVu Sans")},
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
    for (const Substitute& substitute : substitutes()) {
        if (face.compare(substitute.face, Qt::CaseInsensitive) == 0) {
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

QFont asDrawn(const QFont& font)
{
    for (const Substitute& substitute : substitutes()) {
        if (!substitute.lightFamily ||
            font.families().value(0).compare(substitute.face, Qt::CaseInsensitive) != 0) {
            continue;
        }
        const auto [family, weight] = *substitute.lightFamily;
        if (font.weight() < weight && QFontInfo(font).family() == family) {
            QFont heavy = font;
            heavy.setWeight(weight);
            return heavy;
        }
    }
    return font;
}

} // namespace Fonts
