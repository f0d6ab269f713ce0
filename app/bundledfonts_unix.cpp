// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux and the other Unix systems the look-alikes are installed fonts, found through fontconfig.
#include "bundledfonts.h"

namespace BundledFonts {

void load()
{}

} // namespace BundledFonts
