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
    void setCaption(const QString& caption) { setText(caption); }

    void setVisible(bool visible) override;

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
