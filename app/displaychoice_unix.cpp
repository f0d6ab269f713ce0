// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux and the other Unix systems the display is named by Qt's options or the environment: an X
// server's DISPLAY, a Wayland compositor's WAYLAND_DISPLAY. Left to choose, Qt tries Wayland first when a
// compositor or a Wayland session is named, then X11.
#include "displaychoice.h"

#include <cstring>
#include <utility>
#include <wayland-client.h>

#include <QtGlobal>

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

// One round trip to the compositor of WAYLAND_DISPLAY. False when it cannot be reached: then Qt reports
// that itself when it tries.
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

} // namespace

DisplayChoice::DisplayChoice(QString platform, QString display)
    : m_platform(platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : std::move(platform))
    , m_x11Display(display.isEmpty() ? qEnvironmentVariable("DISPLAY") : std::move(display))
    , m_waylandDisplay(qEnvironmentVariable("WAYLAND_DISPLAY"))
    , m_waylandSession(qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland"))
{}

bool DisplayChoice::available() const
{
    // A platform chosen is tried: if it cannot start, the StartupGuard says so.
    return !m_platform.isEmpty() || !m_x11Display.isEmpty() || !m_waylandDisplay.isEmpty();
}

bool DisplayChoice::wayland() const
{
    if (!m_platform.isEmpty()) {
        return m_platform.startsWith(QLatin1String("wayland"));
    }
    return !m_waylandDisplay.isEmpty() || m_waylandSession;
}

void DisplayChoice::prepare()
{
    if (qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION") || !wayland()) {
        return;
    }
    if (compositorDecorates()) {
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
        return;
    }
    if (m_platform.isEmpty() && !m_x11Display.isEmpty()) {
        m_platform = QStringLiteral("xcb");
        qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

QString DisplayChoice::name(bool wayland) const
{
    return wayland ? QStringLiteral("WAYLAND_DISPLAY=") + m_waylandDisplay
                   : QStringLiteral("DISPLAY=") + m_x11Display;
}
