// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped catalogue is complete: it translates every text the sources mark for translation, and
// nothing else, with every placeholder of the English text; and what it says aloud names the player
// and the computer with the words the window shows.
#include "catalogue.h"
#include "form1layout.h"
#include "gameprocess.h"

#include <algorithm>

#include <QHash>
#include <QMap>
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

// Whether one of words stands right beside placeholder in text, with nothing but spaces between: the
// word a number is named by ("computer %3").
bool besides(const QString& text, const QString& placeholder, const QStringList& words)
{
    return std::ranges::any_of(words, [&](const QString& word) {
        const QRegularExpression beside(QStringLiteral("(?<!\\w)%1\\s*%2(?!\\d)|%2\\s*%1(?!\\w)")
                                            .arg(QRegularExpression::escape(word), placeholder),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::UseUnicodePropertiesOption);
        return beside.match(text).hasMatch();
    });
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

// A player who hears the game is told the scores with the words the window shows beside them: wherever
// the English names a number with one of the window's names for the player or the computer, the
// translation names it with one of that name's captions in the window.
TEST(Catalogues, speakOfThePlayerAndTheComputerInTheWordsTheWindowShows)
{
    QMap<QString, QStringList> captions; // an English name -> the keys of the captions showing it
    for (const ControlRow& row : form1Layout().controls) {
        if (row.translated && row.caption.disambiguation != nullptr) {
            const QString name = QString::fromUtf8(row.caption.text);
            captions[name] << keyOf({QString::fromUtf8(form1Layout().context),
                                     name,
                                     QString::fromUtf8(row.caption.disambiguation),
                                     {},
                                     {}});
        }
    }
    ASSERT_EQ(captions.size(), 2) << "\"You\" and \"Computer\", each over a roll and beside a score";

    for (const QString& language : QStringLiteral(HIGHROLL_LANGUAGES).split(QLatin1Char(','))) {
        SCOPED_TRACE(language.toStdString());
        const QList<CatalogueMessage> catalogue =
            readCatalogue(QStringLiteral(HIGHROLL_TS_DIR "/highroll_%1.ts").arg(language));
        QHash<QString, QString> translation;
        for (const CatalogueMessage& message : catalogue) {
            translation.insert(keyOf(message), message.translation);
        }
        int named = 0;
        for (const CatalogueMessage& message : catalogue) {
            for (const QString& placeholder : placeholders(message.source)) {
                for (auto name = captions.cbegin(); name != captions.cend(); ++name) {
                    if (!besides(message.source, placeholder, {name.key()})) {
                        continue;
                    }
                    QStringList shown;
                    for (const QString& key : name.value()) {
                        shown << translation.value(key);
                    }
                    ++named;
                    EXPECT_TRUE(besides(message.translation, placeholder, shown))
                        << message.translation.toStdString() << "\nnames " << placeholder.toStdString()
                        << " with none of the window's " << shown.join(QLatin1String(", ")).toStdString();
                }
            }
        }
        EXPECT_GE(named, 2) << "the spoken scores name the computer and the player";
    }
}

} // namespace
