// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows, Qt's UI Automation bridge raises the description-change event itself, with the text.
// No test here can listen to UI Automation (Wine has no screen reader), so what a screen reader is
// given is also logged (lcAccessibility): the Wine check reads the game's steps there.
#include "accessibledescription.h"
#include "commandbutton.h"
#include "logging.h"

#include <QWidget>

void AccessibleDescription::set(QWidget& widget, const QString& text)
{
    widget.setAccessibleDescription(text);
    qCDebug(lcAccessibility).noquote() << "description of" << widget.objectName() << "set:" << text;
    CommandButton::publishNameOf(widget);
}

void AccessibleDescription::announce(QWidget& widget, const QString& text)
{
    widget.setAccessibleDescription(text);
    qCDebug(lcAccessibility).noquote() << "description of" << widget.objectName() << "announced:" << text;
    CommandButton::publishNameOf(widget);
}
