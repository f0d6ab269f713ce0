// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "renderedicon.h"

#include <algorithm>

#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

// Renderings are read as PNG by name: left to guess, Qt would load every image plugin to ask which one
// reads the file.
void readAsPng(QImageReader& reader)
{
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

} // namespace

RenderedIcon::RenderedIcon(const QString& directory)
{
    for (const QFileInfo& file : QDir(directory).entryInfoList(QDir::Files)) {
        // The size comes from the PNG header alone; the pixels are read when that size is asked for.
        QImageReader reader(file.filePath());
        readAsPng(reader);
        const QSize size = reader.size();
        if (size.isValid()) {
            m_renderings.append({size, file.filePath()});
        }
    }
    std::sort(m_renderings.begin(), m_renderings.end(),
              [](const Rendering& a, const Rendering& b) { return a.size.width() < b.size.width(); });
}

QPixmap RenderedIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    if (m_renderings.isEmpty() || size.isEmpty()) {
        return {};
    }
    // The smallest rendering at least as large as asked, scaled down if it must be; else the largest as
    // it is (an icon's pixmap may be smaller than asked, never larger).
    const auto fits = std::find_if(m_renderings.cbegin(), m_renderings.cend(), [&size](const Rendering& r) {
        return r.size.width() >= size.width() && r.size.height() >= size.height();
    });
    const Rendering& rendering = fits != m_renderings.cend() ? *fits : m_renderings.last();
    QImageReader reader(rendering.path);
    readAsPng(reader);
    QPixmap picture = QPixmap::fromImageReader(&reader);
    if (fits != m_renderings.cend() && picture.size() != size) {
        picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (mode != QIcon::Normal) {
        // Qt's own disabled, active and selected looks of the picture.
        return QIcon(picture).pixmap(size, mode, state);
    }
    return picture;
}

void RenderedIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QList<QSize> RenderedIcon::availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/)
{
    QList<QSize> sizes;
    for (const Rendering& rendering : std::as_const(m_renderings)) {
        sizes.append(rendering.size);
    }
    return sizes;
}

QIconEngine* RenderedIcon::clone() const
{
    return new RenderedIcon(*this);
}

QString RenderedIcon::key() const
{
    return QStringLiteral("RenderedIcon");
}
