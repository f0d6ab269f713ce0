// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorreport.h"
#include "webpage.h"

#include <emscripten.h>
#include <emscripten/val.h>

#include <QCoreApplication>
#include <QWidget>

namespace WebPage {

void follow(const QWidget& window)
{
    // A page's title shows each run of spaces as one; the marquee's double spaces between its words are
    // kept as no-break spaces.
    const auto show = [](QString title) {
        emscripten::val::global("document").set("title", title.replace(u' ', QChar(0x00A0)).toStdString());
    };
    show(window.windowTitle());
    QObject::connect(&window, &QWidget::windowTitleChanged, &window, show);

    // The game quits (its window closed, or a run-time error) with status 0 or the error's. Once the event
    // that asked for it is done, the program ends: its timers stop, and the page's loader reports the
    // status to the page.
    QObject::connect(
        QCoreApplication::instance(), &QCoreApplication::aboutToQuit, QCoreApplication::instance(),
        [] { emscripten_force_exit(ErrorReport::handlersHalted() ? ErrorReport::kRuntimeErrorStatus : 0); },
        Qt::QueuedConnection);
}

} // namespace WebPage
