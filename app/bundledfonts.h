// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fonts that travel with the program. The layout names faces that Windows has and Linux does not; each
// font lists look-alikes after the face (runtime/fonts.cpp). On Linux the look-alikes come from Debian's
// font packages, which the package recommends. On Windows they are shipped in fonts/ beside the
// program, for a system without the layout's faces (Wine, a trimmed Windows), and registered here
// under their own family names, so an installed face is still the one drawn. A web page has no fonts
// of the system's to draw with: it ships them the same way.
namespace BundledFonts {

// Registers the shipped fonts with the application's font database. Call after the application object
// exists and before the window is built. A font that cannot be read is reported with a warning and
// left out; the text is then drawn in the next family of its list.
void load();

} // namespace BundledFonts
