// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagetitle.h"

#include <emscripten/val.h>

#include <QWidget>

namespace PageTitle {

void follow(const QWidget& window)
{
    // A page's title shows each run of spaces as one; the marquee's double spaces between its words are
    // kept as no-break spaces.
    const auto show = [](QString title) {
        emscripten::val::global("document").set("title", title.replace(u' ', QChar(0x00A0)).toStdString());
    };
    show(window.windowTitle());
    QObject::connect(&window, &QWidget::windowTitleChanged, &window, show);
}

} // namespace PageTitle
