// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shapekind.h"

#include <QColor>
#include <QWidget>

// A filled figure drawn with antialiasing at the screen's real resolution, so it stays sharp at any
// scale. Squares and circles take the largest size that fits the control's rectangle, centred in it.
// A shape is decoration only: it takes neither mouse nor keyboard input.
//
// Showing or hiding a shape only decides whether it is drawn: the widget itself stays shown. Qt asks the
// window system where the pointer is each time a widget under it is shown or hidden (a blocking round
// trip to the X server), and a rolling die shows and hides its pips twenty times a second; drawing or not
// costs just a repaint of the shape's area, and nothing at all when the visibility does not change.
class Shape : public QWidget {
    Q_OBJECT

public:
    using Kind = ShapeKind;

    Shape(Kind kind, QColor fill, QColor outline, QWidget* parent = nullptr);

    void setVisible(bool visible) override;
    // Whether the shape is drawn (QWidget::isVisible() tells whether its widget is on screen).
    bool isShown() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    QColor m_fill;
    QColor m_outline;
    bool m_shown = true;
};
