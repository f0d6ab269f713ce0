// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

// One message of a Qt Linguist catalogue (.ts): what it translates and how.
struct CatalogueMessage {
    QString context;
    QString source;
    // Tells apart two messages with the same source in one context (QT_TRANSLATE_NOOP3).
    QString disambiguation;
    QString translation;
    // "unfinished", "vanished", "obsolete", or empty for a finished translation.
    QString type;
};

// The messages of a .ts file; empty when it cannot be read.
inline QList<CatalogueMessage> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<CatalogueMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment") && !messages.isEmpty()) {
            messages.last().disambiguation = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<CatalogueMessage>{} : messages;
}
