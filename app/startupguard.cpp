// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupguard.h"

#include "terminal.h"
#include "translations.h"

StartupGuard::StartupGuard(const DisplayChoice& display)
    : m_display(display.name())
{}

StartupGuard::~StartupGuard()
{
    finish();
}

void StartupGuard::reportNoDisplay()
{
    Terminal::say(tr("cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"));
}

void StartupGuard::finish()
{
    release();
    for (const QString& message : std::as_const(m_held)) {
        Terminal::write(stderr, message + QLatin1Char('\n'));
    }
    m_held.clear();
}

bool StartupGuard::take(QtMsgType type, const QString& message)
{
    if (type != QtFatalMsg) {
        m_held.append(message);
        return true;
    }
    // Qt's own words name plugins and environment variables a player never set; one line says what
    // matters. The first held message is usually the platform's reason ("could not connect to display").
    const QString detail =
        (m_held.isEmpty() ? message : m_held.first()).section(QLatin1Char('\n'), 0, 0).trimmed();
    // The application is still being made: its catalogues are not installed yet, so the line is
    // translated here.
    const Translations translations;
    //: %1 names the display ("DISPLAY=:0"), %2 is the reason the system gave (in English).
    const char* const line =
        QT_TRANSLATE_NOOP("StartupGuard", "cannot start: no display could be opened (%1): %2");
    // Nothing has been built that needs tearing down, and Qt's half-made platform state must not run
    // its destructors.
    endProcess(kNoDisplayStatus, translations.translate("StartupGuard", line).arg(m_display, detail));
}
