// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// What Qt 6.4's AT-SPI bridge does not send for an announcement, sent by hand on the bridge's own
// connection to the accessibility bus. Built only with a Qt older than 6.8, whose own announcements
// make this unnecessary.
namespace AtSpi {

// Reports the widget's description change with text, and sends text as an AT-SPI announcement when
// the widget is hidden.
void announce(QWidget& widget, const QString& text);

} // namespace AtSpi
