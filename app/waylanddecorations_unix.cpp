// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "waylanddecorations.h"

#include <cstring>
#include <wayland-client.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace WaylandDecorations {
namespace {

// The protocol through which a compositor offers to draw the decorations of xdg-shell windows.
constexpr const char* kDecorationManager = "zxdg_decoration_manager_v1";

void onGlobal(void* data, wl_registry* /*registry*/, uint32_t /*name*/, const char* interface,
              uint32_t /*version*/)
{
    if (std::strcmp(interface, kDecorationManager) == 0) {
        *static_cast<bool*>(data) = true;
    }
}

void onGlobalRemove(void* /*data*/, wl_registry* /*registry*/, uint32_t /*name*/)
{}

constexpr wl_registry_listener kRegistryListener{&onGlobal, &onGlobalRemove};

// False when the compositor cannot be reached: then Qt reports that itself when it tries.
bool compositorDecorates()
{
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return false;
    }
    bool found = false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &found);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return found;
}

bool waylandRequested()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) {
        return platform.startsWith(QLatin1String("wayland"));
    }
    // What Qt picks by itself in a desktop session.
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

} // namespace

void configure()
{
    if (qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION") || !waylandRequested()) {
        return;
    }
    if (compositorDecorates()) {
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

} // namespace WaylandDecorations
