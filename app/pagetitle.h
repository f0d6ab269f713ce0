// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QWidget;

// In a web page the browser shows the page's title where a desktop shows the window's (the tab, the
// browser's own title bar, its window list): there the page's title follows the window's, marquee and
// all. Elsewhere the window's title is shown by the window system itself.
namespace PageTitle {

#ifdef Q_OS_WASM
void follow(const QWidget& window);
#else
inline void follow(const QWidget& /*window*/)
{}
#endif

} // namespace PageTitle
