// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QWidget;

// In a web page the page stands where the desktop has the window and the process:
// - the browser shows the page's title where a desktop shows the window's (the tab, the browser's own
//   title bar, its window list), so the page's title follows the window's, marquee and all;
// - the program does not end when its event loop is left (Qt's loop in a page never returns to main), so
//   when the game quits the program ends there, with the status main() would have returned, and the page
//   shows the game's icon in the window's place (packaging/web/index.html.in).
// Elsewhere the window system shows the title and the program ends when main() returns.
namespace WebPage {

#ifdef Q_OS_WASM
void follow(const QWidget& window);
#else
inline void follow(const QWidget& /*window*/)
{}
#endif

} // namespace WebPage
