// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Qt's WebAssembly bridge to the page's accessibility tree has no announcements. A web page's own way
// is a live region: an element, hidden from sight, whose new text a screen reader says at once. Built
// only for the browser.
namespace LiveRegion {

// Makes the region ahead of the first announcement: a screen reader may let pass the first text of a
// region that has only just appeared.
void prepare();
// Puts text in the page's live region, for a screen reader to say politely.
void announce(const QString& text);

} // namespace LiveRegion
