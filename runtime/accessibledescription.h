// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// What a screen reader should say about a control beyond its name: what just happened and what the
// control does now. The text becomes the control's accessible description, which a screen reader reads
// with the control whenever the control gets the focus.
class AccessibleDescription {
public:
    // Sets the description quietly: it is heard the next time the control gets the focus.
    static void set(QWidget& widget, const QString& text);
    // Sets the description and has a screen reader say it at once if the control has its focus.
    static void announce(QWidget& widget, const QString& text);
};
