// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupguard.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

StartupGuard* g_guard = nullptr;

QString environment(const char* name)
{
    return qEnvironmentVariable(name);
}

} // namespace

StartupGuard::StartupGuard(QString programName)
    : m_programName(std::move(programName))
{
    g_guard = this;
    m_active = true;
    m_previous = qInstallMessageHandler(&StartupGuard::handleMessage);
}

StartupGuard::~StartupGuard()
{
    finish();
}

bool StartupGuard::displayConfigured() const
{
    if (!environment("QT_QPA_PLATFORM").isEmpty()) {
        return true; // a platform was chosen explicitly; if it cannot start, handleMessage says so
    }
    if (!environment("DISPLAY").isEmpty() || !environment("WAYLAND_DISPLAY").isEmpty()) {
        return true;
    }
    std::fprintf(stderr, "%s: cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
                 qPrintable(m_programName));
    std::fflush(stderr);
    return false;
}

void StartupGuard::finish()
{
    if (!m_active) {
        return;
    }
    m_active = false;
    qInstallMessageHandler(m_previous);
    g_guard = nullptr;
    for (const QString& message : std::as_const(m_held)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    m_held.clear();
}

void StartupGuard::handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_guard == nullptr) {
        return;
    }
    if (type == QtFatalMsg) {
        g_guard->fail(message);
    }
    Q_UNUSED(context);
    g_guard->m_held.append(message);
}

void StartupGuard::fail(const QString& reason) const
{
    // Qt's own words name plugins and environment variables a player never set; one line says what
    // matters. The first held message is usually the platform's reason ("could not connect to display").
    QString detail = m_held.isEmpty() ? reason : m_held.first();
    detail = detail.section(QLatin1Char('\n'), 0, 0).trimmed();
    const bool x11 = environment("WAYLAND_DISPLAY").isEmpty() ||
                     environment("QT_QPA_PLATFORM").startsWith(QLatin1String("xcb"));
    const QString display = x11 ? QStringLiteral("DISPLAY=") + environment("DISPLAY")
                                : QStringLiteral("WAYLAND_DISPLAY=") + environment("WAYLAND_DISPLAY");
    std::fprintf(stderr, "%s: cannot start: no display could be opened (%s): %s\n", qPrintable(m_programName),
                 qPrintable(display), qPrintable(detail));
    std::fflush(stderr);
    // Nothing has been built that needs tearing down, and Qt's half-made platform state must not run
    // its destructors: leave at once.
    std::_Exit(kNoDisplayStatus);
}
