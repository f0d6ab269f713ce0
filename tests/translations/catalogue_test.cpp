// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped catalogue is complete: it translates every text the sources mark for translation, and
// nothing else, with every placeholder of the English text.
#include "catalogue.h"
#include "gameprocess.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString keyOf(const CatalogueMessage& message)
{
    return message.context + QLatin1Char('|') + message.source + QLatin1Char('|') + message.disambiguation;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

TEST(Catalogues, translateEveryMarkedTextOfTheSourcesAndNothingElse)
{
    // What the sources mark today, read by the same tool that writes the catalogues.
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString fresh = work.filePath(QStringLiteral("fresh.ts"));
    // It parses every source of the program: a busy machine may take a while.
    constexpr int kLupdateSlowdown = 4;
    GameProcess lupdate(
        {.arguments = {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-silent"),
                       QStringLiteral("@" HIGHROLL_TRANSLATED_SOURCES_LIST), QStringLiteral("-ts"), fresh},
         .program = QStringLiteral(HIGHROLL_LUPDATE),
         .slowdown = kLupdateSlowdown});
    ASSERT_TRUE(lupdate.endedWithStatus(lupdate.run(), 0));
    QSet<QString> marked;
    for (const CatalogueMessage& message : readCatalogue(fresh)) {
        marked.insert(keyOf(message));
    }
    ASSERT_GE(marked.size(), 20) << "the sources' texts were not found";

    for (const QString& language : QStringLiteral(HIGHROLL_LANGUAGES).split(QLatin1Char(','))) {
        SCOPED_TRACE(language.toStdString());
        const QList<CatalogueMessage> shipped =
            readCatalogue(QStringLiteral(HIGHROLL_TS_DIR "/highroll_%1.ts").arg(language));
        ASSERT_FALSE(shipped.isEmpty()) << "no catalogue, or not readable";
        QSet<QString> translated;
        for (const CatalogueMessage& message : shipped) {
            SCOPED_TRACE((message.context + QLatin1String(": ") + message.source).toStdString());
            EXPECT_TRUE(marked.contains(keyOf(message))) << "no longer in the sources";
            EXPECT_TRUE(message.type.isEmpty()) << "marked " << message.type.toStdString();
            EXPECT_FALSE(message.translation.trimmed().isEmpty());
            EXPECT_EQ(placeholders(message.translation), placeholders(message.source));
            translated.insert(keyOf(message));
        }
        for (const QString& key : marked - translated) {
            ADD_FAILURE() << "not in the catalogue: " << key.toStdString();
        }
    }
}

} // namespace
