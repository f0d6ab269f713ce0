// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>

// An icon made from PNG renderings of one picture at several sizes (the files of a directory, such as a
// resource folder). Each rendering is read when a size is asked for and not kept: a window system
// copies a window's icon when it is set (X11 into a window property), so decoded images held here too
// would only take memory (docs/benchmark.md).
class RenderedIcon : public QIconEngine {
public:
    explicit RenderedIcon(const QString& directory);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    struct Rendering {
        QSize size;
        QString path;
    };

    // Smallest first.
    QList<Rendering> m_renderings;
};
