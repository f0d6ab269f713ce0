// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt 6.8 has announcements of its own, which its AT-SPI bridge sends as AT-SPI announcements (said by
// Orca 48 and 51 whatever has the focus) and its UI Automation bridge raises as UI Automation
// notifications (said by Windows screen readers). A description that changes is then not reported at all:
// Orca says a changed description of the focused control, and would say each step twice.
// Before Qt 6.8 the news is the description change itself, which is all that Orca 43 (Debian 12) knows;
// what Qt 6.4's AT-SPI bridge lacks for it is sent by hand (screenreader_unix.cpp).
// In a web page Qt's bridge keeps the button's description in the page's accessibility tree only when
// told of each change, and has no announcements: a live region of the page says them
// (screenreader_wasm.cpp).
#include "screenreader.h"

#include "logging.h"

#include <QAccessible>
#include <QWidget>

#if defined(Q_OS_WASM)
#include "screenreader_wasm.h"
#endif

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) || defined(Q_OS_WASM)
#if !defined(Q_OS_WIN) && !defined(Q_OS_WASM)
#include "screenreader_unix.h"
#endif

namespace {

void reportDescriptionChange(QWidget& widget)
{
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace
#endif

void ScreenReader::descriptionChanged(QWidget& widget, const QString& text)
{
    qCDebug(lcAccessibility).noquote() << "description of" << widget.objectName() << "set:" << text;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) || defined(Q_OS_WASM)
    reportDescriptionChange(widget);
#endif
#if defined(Q_OS_WASM)
    LiveRegion::prepare();
#endif
}

void ScreenReader::announce(QWidget& widget, const QString& text)
{
    // The Wine check reads the game's steps here: no test can listen to UI Automation under Wine.
    qCDebug(lcAccessibility).noquote() << "description of" << widget.objectName() << "announced:" << text;
#if defined(Q_OS_WASM)
    reportDescriptionChange(widget);
    LiveRegion::announce(text);
#elif QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From the window, not the widget: a control that is hidden (the button while the computer rolls) is
    // not showing, and a screen reader may pass over what it sends.
    QAccessibleAnnouncementEvent event(widget.window(), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    reportDescriptionChange(widget);
#if !defined(Q_OS_WIN)
    AtSpi::announce(widget, text);
#endif
#endif
}
