// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

// Counts the repaints of a widget and of the children it has when recording starts, and collects what
// they cover in the widget's coordinates: the one way the tests see what a change repaints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget)
        : m_widget(widget)
    {
        widget.installEventFilter(this);
        for (QWidget* child : widget.findChildren<QWidget*>()) {
            child->installEventFilter(this);
        }
    }

    int paints() const { return m_paints; }
    const QRegion& painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            const QRegion region = static_cast<QPaintEvent*>(event)->region();
            m_painted += widget == &m_widget ? region : region.translated(widget->mapTo(&m_widget, QPoint()));
            ++m_paints;
        }
        return false;
    }

private:
    QWidget& m_widget;
    QRegion m_painted;
    int m_paints = 0;
};
