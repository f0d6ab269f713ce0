// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shapekind.h"
#include "units.h"

#include <chrono>
#include <span>

#include <QColor>
#include <QLatin1StringView>
#include <QStringView>

// One row of a window's layout table: everything needed to build one control, as plain data.

enum class ControlKind { Timer, CommandButton, Label, Shape };

enum class TextAlign { Left, Center, Right };

// How a caption sits in its label: aligned as asked, always at the top, as in the original forms.
inline Qt::Alignment alignmentOf(TextAlign align)
{
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case TextAlign::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

struct FontChoice {
    QLatin1StringView face;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

struct ControlRow {
    QLatin1StringView name;
    ControlKind kind = ControlKind::Label;
    // Members of a control array share a name and differ by index; -1 for a control on its own.
    int index = -1;
    Units::TwipsRect rect{};
    QStringView caption{};
    FontChoice font{};
    QRgb foreground = 0;
    QRgb background = 0;
    // Opaque labels fill their rectangle with background; transparent ones show what lies beneath.
    bool opaque = false;
    TextAlign align = TextAlign::Left;
    // For captions that grow without limit: a smaller size of the font when the caption is too wide.
    bool shrinkToFit = false;
    ShapeKind shape = ShapeKind::Rectangle;
    QRgb outline = 0;
    std::chrono::milliseconds interval{0};
};

struct FormLayout {
    QLatin1StringView name;
    QStringView caption;
    int widthTwips = 0;
    int heightTwips = 0;
    QRgb background = 0;
    // In stacking order: each control is drawn above every control after it.
    std::span<const ControlRow> controls;
};
