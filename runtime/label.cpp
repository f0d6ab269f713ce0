// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include "fonts.h"
#include "logging.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>

namespace {

// One line of text as it is drawn in a font, fallback fonts included (a CJK caption in a Latin face is
// drawn in a CJK face with a taller line): its advance, the line's ascent, and the ink of its glyphs,
// from the line's top-left corner.
struct DrawnLine {
    qreal advance = 0;
    qreal ascent = 0;
    QRectF ink;
};

DrawnLine drawnLine(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    DrawnLine drawn{line.naturalTextWidth(), line.ascent(), {}};
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            drawn.ink |= raw.boundingRect(glyphs[i]).translated(positions[i]);
        }
    }
    return drawn;
}

} // namespace

Label::Label(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // A caption wider than its label breaks between words rather than being cut off.
    setWordWrap(true);
    // The caption is moved onto its baseline with the top contents margin, which is negative for a
    // script drawn in a fallback font with a taller line; Qt would otherwise widen a negative margin to
    // the window's safe area (none, for a control inside the window), leaving such a caption below it.
    setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitCaption();
}

void Label::setShrinkToFit(bool shrink)
{
    m_shrinkToFit = shrink;
    m_fullFont = font();
    // One line: a number has nowhere to break, a caption's box holds one line, and a smaller size is
    // what makes it fit.
    setWordWrap(!shrink);
    fitCaption();
}

void Label::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fitCaption();
}

void Label::paintEvent(QPaintEvent* event)
{
    if (!m_painted) {
        m_painted = true;
        // Which face draws the caption is known only now that the font database is loaded.
        const QFont drawn = Fonts::asDrawn(font());
        if (drawn != font()) {
            m_fullFont = drawn;
            setFont(drawn);
        }
        fitCaption();
    }
    QLabel::paintEvent(event);
}

void Label::fitCaption()
{
    // Measuring text loads the font and with it the font database; before the first paint (which
    // loads them anyway) that would hold up the window's first appearance, so the fit waits for it.
    if (!m_shrinkToFit || !m_painted) {
        return;
    }
    // Every caption stands on the baseline of the label's full-size font, so a smaller caption, or one
    // drawn in a fallback font with a taller line, stays in line with the captions beside it.
    const qreal baseline = drawnLine(m_fullFont, QStringLiteral("0")).ascent;
    // Where QLabel puts the line: a caption's own writing direction turns a relative alignment around.
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment()) &
        (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter);
    QFont fitted = m_fullFont;
    // Fonts here are sized in pixels; the loop steps one pixel at a time from the full size down, until
    // the caption's ink lies inside the label, placed as the label places the line.
    int pixels = fitted.pixelSize() > 0 ? fitted.pixelSize() : QFontInfo(fitted).pixelSize();
    qreal drop = 0;
    for (;;) {
        const DrawnLine drawn = drawnLine(fitted, text());
        drop = baseline - drawn.ascent;
        const qreal room = width() - drawn.advance;
        const qreal start = horizontal == Qt::AlignRight     ? room
                            : horizontal == Qt::AlignHCenter ? room / 2
                                                             : 0;
        // Ink measured in fractions of a pixel may reach into a pixel's edge without showing there.
        constexpr qreal slack = 0.5;
        const bool fits = start + drawn.ink.left() >= -slack &&
                          start + drawn.ink.right() <= width() + slack && drawn.ink.top() + drop >= -slack &&
                          drawn.ink.bottom() + drop <= height() + slack;
        if (fits || pixels <= 1) {
            break;
        }
        --pixels;
        fitted.setPixelSize(pixels);
    }
    setContentsMargins(0, qRound(drop), 0, 0);
    if (font() != fitted) {
        setFont(fitted);
    }
    // For the checks that a scaled display draws every caption as the unscaled one does.
    qCDebug(lcFonts).noquote() << "caption of" << objectName() << "drawn at" << pixels << "px of"
                               << QFontInfo(m_fullFont).pixelSize() << "px:" << text();
}
