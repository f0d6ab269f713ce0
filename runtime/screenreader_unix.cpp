// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenreader_unix.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

namespace {

// AT-SPI's politeness of an announcement: said after what is being said, not interrupting it.
constexpr int kPolite = 1;

// Sends an AT-SPI object event (member, detail, detail1) with text as its data, from widget, on the
// bridge's own connection to the accessibility bus (Qt names it "a11y") and for the object path the
// bridge gives the widget.
void sendObjectEvent(QWidget& widget, const QString& member, const QString& detail, int detail1,
                     const QString& text)
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    if (!QAccessible::isActive() || !bus.isConnected() || accessible == nullptr) {
        return;
    }
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage event =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), member);
    event << detail << detail1 << 0 << QVariant::fromValue(QDBusVariant(text)) << QVariantMap();
    bus.send(event);
}

} // namespace

namespace AtSpi {

void announce(QWidget& widget, const QString& text)
{
    // Qt 6.4's bridge reports a description change with the changed object where the new text belongs,
    // and Orca 43 then has nothing to say: the change is sent again with the text (a Qt 6.8 library
    // under this build sends the text itself, and Orca drops the duplicate).
    sendObjectEvent(widget, QStringLiteral("PropertyChange"), QStringLiteral("accessible-description"), 0,
                    text);
    // Orca 48 says nothing of a control that is not showing, but says an announcement (AT-SPI 2.46);
    // Orca 43 knows no announcements and says the hidden control's description. Each says it once.
    if (!widget.isVisible()) {
        sendObjectEvent(*widget.window(), QStringLiteral("Announcement"), QString(), kPolite, text);
    }
}

} // namespace AtSpi
