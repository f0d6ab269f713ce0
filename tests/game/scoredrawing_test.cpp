// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scores grow without limit: on the real window every score must be drawn whole, in its box, beside
// (never over) its caption and inside the cyan panel, while the caption keeps the exact number.
#include "form1.h"
#include "splitmix64.h"

#include <string_view>

#include <QTest>

#include <gtest/gtest.h>

namespace {

bool dark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The columns of picture, inside rect, that hold dark (text) pixels: first and last, or -1 when none.
std::pair<int, int> inkColumns(const QImage& picture, const QRect& rect)
{
    int first = -1;
    int last = -1;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (dark(picture.pixel(x, y))) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

class ScoreDrawing : public ::testing::TestWithParam<const char*> {
protected:
    ScoreDrawing()
        : form(random)
    {
        form.load();
        form.show();
    }

    QImage picture() { return form.grab().toImage(); }
    QWidget& widget(const char* name) const
    {
        return *qobject_cast<QWidget*>(form.controls().all().at(QString::fromLatin1(name)));
    }

    SplitMix64 random;
    Form1 form;
};

TEST_P(ScoreDrawing, everyReachableScoreIsDrawnWholeInItsBoxBesideItsCaption)
{
    const char* scoreName = GetParam();
    // The caption each score stands beside.
    const char* captionName = std::string_view(scoreName) == "cscore" ? "Label2" : "Label3";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Label& score = form.controls().label(QString::fromLatin1(scoreName));
    const QRect box = score.geometry();
    const QRect panel = widget("Shape2").geometry();
    const QRect caption = widget(captionName).geometry();
    ASSERT_TRUE(panel.contains(box));

    const QImage zero = picture();
    const int zeroRight = inkColumns(zero, box).second;
    ASSERT_GE(zeroRight, 0);
    // The caption's own ink, which no score may reach.
    const int captionInkRight =
        inkColumns(zero, caption.adjusted(0, 0, box.left() - caption.right(), 0)).second;

    // 9007199254740990 is the largest multiple of 10 (and of 5) that a double holds exactly.
    for (const QString& number :
         {QStringLiteral("1000"), QStringLiteral("99990"), QStringLiteral("9007199254740990")}) {
        SCOPED_TRACE(number.toStdString());
        score.setCaption(number);
        EXPECT_EQ(score.caption(), number);
        const QImage drawn = picture();
        const auto [left, right] = inkColumns(drawn, box);
        ASSERT_GE(left, 0);
        // Whole: no glyph is cut at the box's left edge, and the ink is as wide as the text in the
        // font it is drawn in, less at most one character's side bearings.
        EXPECT_GT(left, box.left());
        const QFontMetricsF metrics(score.font());
        const auto characters = static_cast<double>(number.size());
        EXPECT_GE(right - left + 1, metrics.horizontalAdvance(number) * (characters - 1) / characters);
        // Readable, and still on the right edge where the small scores end.
        EXPECT_GE(score.font().pixelSize(), 8);
        EXPECT_NEAR(right, zeroRight, 3);
        EXPECT_GT(left, captionInkRight + 1);
        // Everything outside the box, the caption and the rest of the panel included, is as before.
        for (int y = panel.top(); y <= panel.bottom(); ++y) {
            for (int x = panel.left(); x <= panel.right(); ++x) {
                if (!box.contains(x, y) && drawn.pixel(x, y) != zero.pixel(x, y)) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside the score's box changed";
                    return;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothScores, ScoreDrawing, ::testing::Values("cscore", "yscore"),
                         [](const auto& param) { return std::string(param.param); });

} // namespace
