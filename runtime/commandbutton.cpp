// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbutton.h"

#include "logging.h"

#include <QKeyEvent>

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isVisible()) {
            emit activated();
        }
    });
}

void CommandButton::setCaption(const QString& caption)
{
    // An explicit accessible name outranks the text: screen readers keep the old name until publishName.
    if (accessibleName().isEmpty()) {
        setAccessibleName(text());
    }
    setText(caption);
    QMetaObject::invokeMethod(this, &CommandButton::publishName, Qt::QueuedConnection);
    // For the checks that a scaled display draws the caption as the unscaled one does: the style's
    // measure of it with the button's margins, and the room it has.
    if (lcFonts().isDebugEnabled()) {
        const QSize needs = sizeHint();
        qCDebug(lcFonts).noquote() << QStringLiteral("caption of %1 needs %2x%3 of %4x%5: %6")
                                          .arg(objectName())
                                          .arg(needs.width())
                                          .arg(needs.height())
                                          .arg(width())
                                          .arg(height())
                                          .arg(caption);
    }
}

void CommandButton::publishName()
{
    if (accessibleName() != text()) {
        setAccessibleName(text());
    }
}

void CommandButton::publishNameOf(QWidget& widget)
{
    if (auto* button = qobject_cast<CommandButton*>(&widget)) {
        button->publishName();
    }
}

void CommandButton::setVisible(bool visible)
{
    QPushButton::setVisible(visible);
    QWidget* top = window();
    if (!visible) {
        if (top->focusWidget() == this) {
            clearFocus();
        }
    } else if (top != this && top->focusWidget() == nullptr) {
        setFocus(Qt::OtherFocusReason);
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (!isVisible()) {
        event->ignore();
        return;
    }
    // Space is handled by QAbstractButton (press, then click on release). Enter clicks at once, as on a
    // dialog's default button; a held key's auto-repeat must not click again and again.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!isVisible()) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}
