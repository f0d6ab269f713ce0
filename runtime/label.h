// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLabel>

// A text label whose caption is both what the player reads and, for some labels, the game's data.
// Captions are plain text, never rich text, so a caption reads back exactly as it was written. The
// caption is also the label's accessible name, so screen readers follow it as it changes.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    // For captions that grow without limit, such as scores: the caption stays on one line and is drawn
    // whole, in the label's font or, when that is too wide, in the largest smaller size of it that fits
    // the label's width, on the same baseline. The caption itself is never changed or shortened.
    void setShrinkToFit(bool shrink);
    bool shrinksToFit() const { return m_shrinkToFit; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitCaption();

    bool m_shrinkToFit = false;
    // Set by the first paint: from then on a caption is fitted as it changes.
    bool m_painted = false;
    // The font the label was given, before any shrinking.
    QFont m_fullFont;
};
