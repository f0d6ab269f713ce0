// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux and the other Unix desktops, screen readers listen on the AT-SPI accessibility bus.
#include "accessibledescription.h"
#include "commandbutton.h"

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

// Qt 6.4's AT-SPI bridge reports a description change with the changed object where the new text
// belongs, and screen readers (Orca 43) then have nothing to say. The change is sent again here, as the
// bridge would send it but with the text (Qt 6.8's bridge sends the text itself, and Orca drops the
// duplicate).
void sendDescriptionChange(QWidget& widget, const QString& text)
{
    sendObjectEvent(widget, QStringLiteral("PropertyChange"), QStringLiteral("accessible-description"), 0,
                    text);
}

// Orca 48 says nothing of a control that is not showing (the button is hidden while the computer
// rolls), but says an announcement (AT-SPI 2.46) whatever has the focus; Orca 43 knows no announcements
// and says the hidden control's description. Each says the text once.
void sendAnnouncement(QWidget& widget, const QString& text)
{
    sendObjectEvent(*widget.window(), QStringLiteral("Announcement"), QString(), kPolite, text);
}

} // namespace

void AccessibleDescription::set(QWidget& widget, const QString& text)
{
    widget.setAccessibleDescription(text);
    CommandButton::publishNameOf(widget);
}

void AccessibleDescription::announce(QWidget& widget, const QString& text)
{
    // Said again even when unchanged: each announcement reports an event of its own.
    widget.setAccessibleDescription(text);
    sendDescriptionChange(widget, text);
    if (!widget.isVisible()) {
        sendAnnouncement(widget, text);
    }
    CommandButton::publishNameOf(widget);
}
