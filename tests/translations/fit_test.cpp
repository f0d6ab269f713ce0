// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every language's words fit the boxes the layout gives them: the real window is built in each shipped
// language, in the fonts the package recommends, and every caption a control can show is drawn whole
// inside its own box, clear of every other caption's box, in real glyphs (no missing-glyph boxes), on
// the baseline of the captions beside it.
#include "form1.h"
#include "gametexts.h"
#include "splitmix64.h"
#include "translations.h"

#include <functional>

#include <QFontDatabase>
#include <QPainter>
#include <QTest>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

// The box in which the ink of what draw paints lies, not clipped: draw's origin is rect's top left, and
// there is room on every side for ink that would fall outside rect.
QRect inkOf(const QRect& rect, const std::function<void(QPainter&)>& draw)
{
    const int room = rect.width() + rect.height();
    QImage canvas(rect.size() + QSize(2 * room, 2 * room), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.translate(room, room);
    painter.setPen(Qt::black);
    draw(painter);
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qGray(canvas.pixel(x, y)) < 160) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink.translated(rect.topLeft() - QPoint(room, room));
}

// Glyph 0 is the font's "missing glyph" box: drawn when no installed font has the character.
int missingGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        missing += static_cast<int>(std::count(glyphs.begin(), glyphs.end(), 0U));
    }
    return missing;
}

QString tr(const char* text)
{
    return QCoreApplication::translate(GameTexts::kContext, text);
}

class TranslationFit : public ::testing::TestWithParam<QString> {};

TEST_P(TranslationFit, everyCaptionIsWholeInItsBoxClearOfItsNeighboursInRealGlyphs)
{
    for (const char* family : {"Liberation Mono", "Lato", "Noto Sans Mono CJK JP", "Noto Sans Arabic UI",
                               "Miriam Mono CLM", "Aharoni CLM"}) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            GTEST_SKIP() << "the recommended font " << family
                         << " is not installed (fonts-liberation, fonts-lato, fonts-noto-cjk, "
                            "fonts-noto-ui-core, culmus)";
        }
    }
    Translations translations({GetParam()}, {QStringLiteral(HIGHROLL_TRANSLATIONS_DIR)});
    ASSERT_EQ(translations.language(), GetParam() == QLatin1String("en") ? QString() : GetParam());
    translations.install();
    SplitMix64 random;
    Form1 form(random);
    ControlSet& controls = form.controls();
    // The fonts the layout asks for: a caption drawn much smaller than its neighbours is too long.
    std::map<QWidget*, QFont> fullFont;
    for (const auto& [name, control] : controls.all()) {
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            fullFont[widget] = widget->font();
        }
    }
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Every caption each control can show: its own from the layout, and what the game writes in it.
    std::vector<std::pair<QWidget*, QStringList>> shown;
    QList<QRect> textBoxes;
    for (const auto& [name, control] : controls.all()) {
        if (auto* label = qobject_cast<Label*>(control)) {
            textBoxes << label->geometry();
            // Every caption in words; the rest are numbers the game writes.
            if (label->caption().toInt() == 0 && label->caption() != QLatin1String("0")) {
                shown.push_back({label, {label->caption()}});
            }
        } else if (auto* button = qobject_cast<CommandButton*>(control)) {
            textBoxes << button->geometry();
            shown.push_back({button, {button->caption(), tr(GameTexts::kBegin), tr(GameTexts::kStop)}});
        }
    }
    Label& winlose = controls.label(QStringLiteral("winlose"));
    for (auto& [control, texts] : shown) {
        if (control == &winlose) {
            texts << tr(GameTexts::kYouLose) << tr(GameTexts::kYouWin) << tr(GameTexts::kTie);
        }
    }
    ASSERT_EQ(shown.size(), 7U) << "six captions in words, and the button";

    for (const auto& [control, texts] : shown) {
        for (const QString& text : texts) {
            SCOPED_TRACE(control->objectName().toStdString() + ": " + text.toStdString());
            const QRect box = control->geometry();
            EXPECT_EQ(missingGlyphs(text, control->font()), 0);
            if (auto* button = qobject_cast<CommandButton*>(control)) {
                button->setCaption(text);
                // The style's own measure of the caption with the button's margins around it.
                EXPECT_LE(button->sizeHint().width(), box.width());
                EXPECT_LE(button->sizeHint().height(), box.height());
                continue;
            }
            auto* label = qobject_cast<Label*>(control);
            label->setCaption(text);
            EXPECT_GE(label->font().pixelSize(), fullFont[label].pixelSize() * 85 / 100)
                << "drawn much smaller";
            // Written in its own direction, placed as QLabel places it: what a label shows when nothing
            // of it is cut.
            const QRect ink = inkOf(label->contentsRect().translated(box.topLeft()), [&](QPainter& painter) {
                painter.setFont(label->font());
                painter.drawText(
                    QRect(QPoint(), label->contentsRect().size()),
                    static_cast<int>(label->alignment()) | Qt::TextDontClip |
                        (label->wordWrap() ? Qt::TextWordWrap : 0) |
                        (text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight),
                    text);
            });
            // The label's own picture stands where the caption stands drawn on the full-size font's
            // baseline: the baseline of the captions and scores beside it.
            const QRect painted = inkOf(box, [&](QPainter& painter) {
                label->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
            });
            const QRect onBaseline = inkOf(box, [&](QPainter& painter) {
                painter.setFont(label->font());
                painter.drawText(QPointF(0, QFontMetricsF(fullFont[label]).ascent()), text);
            });
            EXPECT_NEAR(painted.top(), onBaseline.top(), 1) << "off the baseline";
            EXPECT_NEAR(painted.bottom(), onBaseline.bottom(), 1) << "off the baseline";
            ASSERT_FALSE(ink.isEmpty());
            EXPECT_TRUE(box.contains(ink)) << "ink at " << ink.left() << "," << ink.top() << " to "
                                           << ink.right() << "," << ink.bottom() << " runs out of its box";
            for (const QRect& other : textBoxes) {
                if (other != box) {
                    EXPECT_FALSE(other.intersects(ink))
                        << "ink reaches the box at " << other.left() << "," << other.top();
                }
            }
        }
    }
}

QStringList languages()
{
    QStringList all{QStringLiteral("en")};
    all << QStringLiteral(HIGHROLL_LANGUAGES).split(QLatin1Char(','));
    return all;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationFit, ::testing::ValuesIn(languages()),
                         [](const auto& param) { return param.param.toStdString(); });

} // namespace
