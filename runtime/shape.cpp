// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include <algorithm>

#include <QPainter>

namespace {

// Outline width in device-independent pixels.
constexpr double kOutlineWidth = 1.0;

} // namespace

Shape::Shape(Kind kind, QColor fill, QColor outline, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_fill(fill)
    , m_outline(outline)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::setVisible(bool visible)
{
    // Before the shape's first show Qt itself shows it through here: let that through, and keep every
    // later show and hide to the drawing flag.
    if (!testAttribute(Qt::WA_WState_ExplicitShowHide) || isHidden()) {
        QWidget::setVisible(true);
    }
    if (visible != m_shown) {
        m_shown = visible;
        update();
    }
}

void Shape::paintEvent(QPaintEvent* /*event*/)
{
    if (!m_shown) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_fill);
    painter.setPen(QPen(m_outline, kOutlineWidth));

    // The pen is centred on the path: inset by half its width so the outline stays inside the control.
    const double inset = kOutlineWidth / 2;
    QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_kind != Kind::Rectangle) {
        const double side = std::min(area.width(), area.height());
        QRectF square(0, 0, side, side);
        square.moveCenter(area.center());
        area = square;
    }

    switch (m_kind) {
    case Kind::Rectangle:
        painter.drawRect(area);
        break;
    case Kind::RoundedSquare: {
        const double radius = area.width() * kRoundedCornerRatio;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    case Kind::Circle:
        painter.drawEllipse(area);
        break;
    }
}
