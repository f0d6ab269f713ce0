// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game paints everything in software, so it never needs a GPU buffer. Qt 6.4's Wayland client
// nevertheless loads EGL and a Mesa driver (tens of megabytes resident, docs/benchmark.md, and a driver
// that leaks at exit) for one question only: whether it may draw the window's title bar itself. Asked
// before the application exists, this looks at the compositor and answers that question from what it
// offers instead:
// - a compositor that decorates windows itself (it offers xdg-decoration: KDE, sway, ...): Qt is told to
//   draw no decorations, and the compositor's title bar shows the title;
// - one that does not (GNOME, weston), when the platform was not chosen explicitly and an X server is
//   there too: the game runs on that X server, whose window manager draws the title bar, as Qt 5 did;
// - otherwise Qt draws no decorations either: a window without a title bar, rather than a GPU stack the
//   game never uses. The title still reaches the compositor (task switchers show it).
// Nothing is changed when the program will not run on Wayland or a choice was made in the environment
// (QT_WAYLAND_DISABLE_WINDOWDECORATION).
namespace WaylandDecorations {

// Reads the environment, asks the compositor (one round trip) when Wayland is in play, and sets the
// environment for Qt accordingly. Call before the QApplication is created.
void configure();

} // namespace WaylandDecorations
