// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A text label whose caption is both what the player reads and, for some labels, the game's data.
// Captions are plain text, never rich text, so a caption reads back exactly as it was written. The
// caption is also the label's accessible name, so screen readers follow it as it changes.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
};
