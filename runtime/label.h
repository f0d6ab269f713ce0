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

    // For captions that must be drawn whole in a box of fixed size: scores, which grow without limit,
    // and words, whose length and script depend on the player's language. The caption stays on one
    // line and is drawn in the label's font or, when that does not fit the box (its width, or its height
    // for a script drawn in a fallback font with a taller line), in the largest smaller size of it that
    // does, on the same baseline as the full-size font. The caption itself is never changed or shortened.
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
