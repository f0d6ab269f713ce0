// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// The push button. It reports activated() for a mouse click, Space or Enter, but only while it is shown:
// a hidden button must never act. Qt leaves the keyboard focus on a widget that is hidden when no other
// widget can take it, so the button gives the focus up when hidden and takes it back when shown again
// (if nothing else took it meanwhile), which lets a player play from the keyboard alone.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    // A new caption reaches screen readers as the button's name only after its new description (see
    // publishName), or at the latest on the next turn of the event loop.
    void setCaption(const QString& caption);
    // Gives screen readers the caption as the button's name, if they do not have it yet. Orca 48 says a
    // focused button again when its name changes, without its description, and then takes a description
    // that changed with the name for old news: the description must change first to be heard. So the
    // name is held back until the description has been set (AccessibleDescription calls this).
    void publishName();
    // publishName for widget if it is a CommandButton.
    static void publishNameOf(QWidget& widget);

    void setVisible(bool visible) override;

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
