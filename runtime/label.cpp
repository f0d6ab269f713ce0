// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include <algorithm>

#include <QFontMetricsF>

namespace {

// The width the text's ink and advance take together, so that neither the last glyph's overhang
// (bold and italic faces) nor its advance is cut off.
qreal drawnWidth(const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.boundingRect(text);
    return std::max(metrics.horizontalAdvance(text), ink.right()) - std::min<qreal>(0, ink.left());
}

} // namespace

Label::Label(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // A caption wider than its label breaks between words rather than being cut off.
    setWordWrap(true);
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
    // One line: a number has nowhere to break, and a smaller size is what makes it fit.
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
    QFont fitted = m_fullFont;
    // Fonts here are sized in pixels; the loop steps one pixel at a time from the full size down.
    int pixels = fitted.pixelSize() > 0 ? fitted.pixelSize() : QFontInfo(fitted).pixelSize();
    const qreal room = width();
    while (pixels > 1 && drawnWidth(fitted, text()) > room) {
        --pixels;
        fitted.setPixelSize(pixels);
    }
    // The smaller text keeps the full-size baseline, so it stays in line with the captions beside it.
    const int drop = qRound(QFontMetricsF(m_fullFont).ascent() - QFontMetricsF(fitted).ascent());
    setContentsMargins(0, drop, 0, 0);
    if (font() != fitted) {
        setFont(fitted);
    }
}
