// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// How news of a control reaches screen readers. A control's accessible description says what just
// happened and what the control does now; a screen reader reads it with the control whenever the control
// gets the focus. An announcement has a screen reader say a text at once, whatever has the focus.
class ScreenReader {
public:
    // The widget's accessible description is now text, to be heard the next time it gets the focus.
    static void descriptionChanged(QWidget& widget, const QString& text);
    // Has a screen reader say text now, once, in the widget's window. The widget's accessible
    // description must already be text: a screen reader that knows no announcements says that instead.
    static void announce(QWidget& widget, const QString& text);
};
