// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Which display the game starts on, decided once before Qt starts, from Qt's options on the command line
// (-platform, -display) and the environment, as Qt itself will read them. Whatever depends on it reads
// it here: whether there is a display to try at all, what Qt must be told before it connects, and the
// display named by the line that says it cannot be opened or was lost.
//
// What Qt must be told: the game paints everything in software, so it never needs a GPU buffer. Qt 6.4's
// Wayland client nevertheless loads EGL and a Mesa driver (tens of megabytes resident,
// docs/benchmark.md, and a driver that leaks at exit) for one question only: whether it may draw the
// window's title bar itself. prepare() answers it from what the compositor offers instead:
// - a compositor that decorates windows itself (it offers xdg-decoration: KDE, sway, ...): Qt is told to
//   draw no decorations, and the compositor's title bar shows the title;
// - one that does not (GNOME, weston), when the platform was not chosen and an X server is named too:
//   the game runs on that X server, whose window manager draws the title bar, as Qt 5 did;
// - otherwise Qt draws no decorations either: a window without a title bar, rather than a GPU stack the
//   game never uses. The title still reaches the compositor (task switchers show it).
// Nothing is changed when the game will not run on Wayland, or when the choice was made in the
// environment (QT_WAYLAND_DISABLE_WINDOWDECORATION).
class DisplayChoice {
public:
    // platform and display: the values of -platform and -display, empty when not given.
    explicit DisplayChoice(QString platform = {}, QString display = {});

    // False when there is nothing to try: on Unix systems, no platform chosen and no X or Wayland
    // display named. A Windows session always has its desktop.
    bool available() const;
    // Tells Qt what it must know before it connects (above), through the environment; may move the game
    // from Wayland to the X server beside it. Call once, before the QApplication is made.
    void prepare();
    // The display, for a line that says it could not be opened or was lost ("DISPLAY=:0",
    // "WAYLAND_DISPLAY=wayland-0"): of the connection Qt tries, or of a Wayland or X11 one.
    QString name() const { return name(wayland()); }
    QString name(bool wayland) const;

private:
    // The game runs as a Wayland client (first, when Qt chooses: it falls back to X11).
    bool wayland() const;

    QString m_platform;   // -platform, else QT_QPA_PLATFORM; empty: Qt chooses
    QString m_x11Display; // -display, else DISPLAY
    QString m_waylandDisplay;
    [[maybe_unused]] bool m_waylandSession = false; // XDG_SESSION_TYPE=wayland (read on Unix systems alone)
};
