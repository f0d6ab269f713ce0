// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbutton.h"

#include "logging.h"
#include "screenreader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

namespace {

// What a screen reader reads of the button: Qt's own push button, but described by the button's
// description, which changes without QWidget::setAccessibleDescription's change event (see
// ScreenReader for when that is reported).
class CommandButtonAccessible : public QAccessibleWidget {
public:
    explicit CommandButtonAccessible(CommandButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    CommandButton* button() const { return static_cast<CommandButton*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && button()->accessibleName().isEmpty()) {
            // A caption's mnemonic marks are not spoken: "&&" is a literal "&", a lone "&" marks a key.
            QString name;
            const QString caption = button()->text();
            for (qsizetype at = 0; at < caption.size(); ++at) {
                if (caption[at] == QLatin1Char('&') && at + 1 < caption.size()) {
                    ++at;
                }
                name += caption[at];
            }
            return name;
        }
        if (kind == QAccessible::Description && button()->accessibleDescription().isEmpty()) {
            return button()->description();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.defaultButton = button()->isDefault();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            button()->animateClick();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* commandButtonAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CommandButton") && object != nullptr) {
        return new CommandButtonAccessible(static_cast<CommandButton*>(object));
    }
    return nullptr;
}

} // namespace

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(commandButtonAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isVisible()) {
            emit activated();
        }
    });
}

void CommandButton::setCaption(const QString& caption)
{
    // The button's name is its caption: QAbstractButton reports the change to screen readers.
    setText(caption);
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

void CommandButton::setDescription(const QString& description)
{
    if (description == m_description) {
        return;
    }
    m_description = description;
    ScreenReader::descriptionChanged(*this, description);
}

void CommandButton::announce(const QString& description)
{
    m_description = description;
    ScreenReader::announce(*this, description);
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
