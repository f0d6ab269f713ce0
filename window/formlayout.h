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
#include <QtGlobal>

// One row of a window's layout table: everything needed to build one control, as plain data.

enum class ControlKind { Timer, CommandButton, Label, Shape };

// LeftInEveryDirection stays at the left when the window is mirrored: for a caption whose ink leans out
// past its right edge (an italic digit), which a mirrored, right-aligned caption would have cut off.
enum class TextAlign { Left, Center, Right, LeftInEveryDirection };

// How a caption sits in its label: aligned as asked, always at the top, as in the original forms. The
// table is written left to right; in a window laid out right to left the sides swap (a caption that
// starts at its box's left edge starts at its right edge), whatever the direction of the caption's own
// text: a number beside a mirrored caption sits where the mirrored picture puts it.
inline Qt::Alignment alignmentOf(TextAlign align, Qt::LayoutDirection direction = Qt::LeftToRight)
{
    const bool mirrored = direction == Qt::RightToLeft;
    switch (align) {
    case TextAlign::Left:
        return mirrored ? Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop;
    case TextAlign::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right:
        return mirrored ? Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop : Qt::AlignRight | Qt::AlignTop;
    case TextAlign::LeftInEveryDirection:
        return Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// A caption as the table holds it: UTF-8 text and, where the same words appear in two places that a
// translation may need to word apart, what tells them apart (QT_TRANSLATE_NOOP3 gives both).
struct CaptionText {
    const char* text = "";
    const char* disambiguation = nullptr;
};

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
    // The initial caption. Words are marked for translation where the table is written
    // (QT_TRANSLATE_NOOP or QT_TRANSLATE_NOOP3, in the form's context) and translated as the window is
    // built; a caption that is game data, such as a number the game reads back, is shown as it stands.
    CaptionText caption{};
    bool translated = false;
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
    // The context the captions are translated in (the form's class name).
    const char* context = "";
    // The window's initial title: its name, an identifier shown until the game sets a title of its own,
    // so it is not translated.
    QStringView caption;
    int widthTwips = 0;
    int heightTwips = 0;
    QRgb background = 0;
    // In stacking order: each control is drawn above every control after it.
    std::span<const ControlRow> controls;
};
