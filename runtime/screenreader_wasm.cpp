// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader_wasm.h"

#include <emscripten/val.h>
#include <string>

namespace {

// The element's id in the page, which also marks it as made.
const std::string kId = "highroll-announcements";

emscripten::val region()
{
    emscripten::val document = emscripten::val::global("document");
    emscripten::val element = document.call<emscripten::val>("getElementById", kId);
    if (!element.isNull()) {
        return element;
    }
    element = document.call<emscripten::val>("createElement", std::string("div"));
    element.set("id", kId);
    element.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
    element.call<void>("setAttribute", std::string("aria-atomic"), std::string("true"));
    // Out of sight, not out of the accessibility tree (display: none would remove it from both).
    element.call<void>("setAttribute", std::string("style"),
                       std::string("position: absolute; width: 1px; height: 1px; overflow: hidden; "
                                   "clip-path: inset(50%); white-space: nowrap"));
    document["body"].call<void>("appendChild", element);
    return element;
}

} // namespace

void LiveRegion::prepare()
{
    (void)region();
}

void LiveRegion::announce(const QString& text)
{
    region().set("textContent", text.toStdString());
}
