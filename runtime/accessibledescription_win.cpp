// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows, Qt's UI Automation bridge raises the description-change event itself, with the text.
#include "accessibledescription.h"

#include <QWidget>

void AccessibleDescription::set(QWidget& widget, const QString& text)
{
    widget.setAccessibleDescription(text);
}

void AccessibleDescription::announce(QWidget& widget, const QString& text)
{
    widget.setAccessibleDescription(text);
}
