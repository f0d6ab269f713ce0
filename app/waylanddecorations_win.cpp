// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has no Wayland compositor to ask: Qt's Windows platform draws nothing with EGL unless asked.
#include "waylanddecorations.h"

namespace WaylandDecorations {

void configure()
{}

} // namespace WaylandDecorations
