// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux and the other Unix desktops, screen readers listen on the AT-SPI accessibility bus.
#include "accessibledescription.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

namespace {

// Qt 6.4's AT-SPI bridge reports a description change with the changed object where the new text
// belongs, and screen readers (Orca 43) then have nothing to say. The change is sent again here, as the
// bridge would send it but with the text, on the bridge's own connection to the accessibility bus (Qt
// names it "a11y") and for the object path the bridge gives the control.
void sendDescriptionChange(QWidget& widget, const QString& text)
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    if (!QAccessible::isActive() || !bus.isConnected() || accessible == nullptr) {
        return;
    }
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage change = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(text))
           << QVariantMap();
    bus.send(change);
}

} // namespace

void AccessibleDescription::set(QWidget& widget, const QString& text)
{
    widget.setAccessibleDescription(text);
}

void AccessibleDescription::announce(QWidget& widget, const QString& text)
{
    // Said again even when unchanged: each announcement reports an event of its own.
    widget.setAccessibleDescription(text);
    sendDescriptionChange(widget, text);
}
