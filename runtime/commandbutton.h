// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// The push button. It reports activated() for a mouse click, Space or Enter, but only while it is shown:
// a hidden button must never act. Qt leaves the keyboard focus on a widget that is hidden when no other
// widget can take it, so the button gives the focus up when hidden and takes it back when shown again
// (if nothing else took it meanwhile), which lets a player play from the keyboard alone.
//
// To screen readers the button is named by its caption and described by its description: what just
// happened and what the button does now, read with the button whenever it gets the focus.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    QString description() const { return m_description; }
    // Sets the description quietly: it is heard the next time the button gets the focus.
    void setDescription(const QString& description);
    // Sets the description and has a screen reader say it at once, once (ScreenReader::announce), even
    // when unchanged: each announcement reports an event of its own. A new caption set before it reaches
    // screen readers first, so the announcement is not cut short by the button's new name.
    void announce(const QString& description);

    void setVisible(bool visible) override;

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QString m_description;
};
