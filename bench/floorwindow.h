// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fonts.h"
#include "form1layout.h"
#include "units.h"

#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QWidget>

// What the floors share with the game's window: an empty top-level widget of the same fixed client
// size, read from the game's layout, and a first title; and for the text and paint floors, the layout's
// captions in plain Qt widgets.
namespace FloorWindow {

inline constexpr QSize kClientSize{kForm1WidthTwips / Units::kTwipsPerPixel,
                                   kForm1HeightTwips / Units::kTwipsPerPixel};

inline void setUp(QWidget& window)
{
    window.setFixedSize(kClientSize);
    window.setWindowTitle(QStringLiteral("Form1"));
}

// Every caption of the layout where the game shows it, in the font the game picks for it: a QLabel for
// each label and a QPushButton for the button, nothing else. Returns the label named name (nullptr if
// the layout has none), for a floor that changes its text.
inline QLabel* addCaptions(QWidget& window, QLatin1StringView name = {})
{
    QLabel* named = nullptr;
    for (const ControlRow& row : form1Layout().controls) {
        QWidget* widget = nullptr;
        if (row.kind == ControlKind::Label) {
            auto* label = new QLabel(QString::fromUtf8(row.caption.text), &window);
            label->setAlignment(alignmentOf(row.align));
            if (row.name == name) {
                named = label;
            }
            widget = label;
        } else if (row.kind == ControlKind::CommandButton) {
            widget = new QPushButton(QString::fromUtf8(row.caption.text), &window);
        } else {
            continue;
        }
        widget->setFont(Fonts::font(QString(row.font.face), row.font.points, row.font.bold, row.font.italic));
        widget->setGeometry(Units::twipsToPixels(row.rect));
    }
    return named;
}

} // namespace FloorWindow
