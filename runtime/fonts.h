// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// Fonts by the face names a layout uses. Faces that a Linux desktop does not have ("Courier New",
// "Impact", "Arial Black") fall back to look-alikes from Debian's font packages, then to a generic
// family of the same kind, so the window reads the same on a bare machine.
namespace Fonts {

// size is in points and becomes a pixel size on the layout's 96-per-inch grid.
QFont font(const QString& face, double points, bool bold, bool italic);

// font, or where it is drawn in a look-alike's family that lacks the heavy face font stands for, that
// font in the heavy weight, which Qt then draws emboldened. Asks the font database which face draws
// font: for a caption's first paint, when the database is loaded anyway.
QFont asDrawn(const QFont& font);

} // namespace Fonts
