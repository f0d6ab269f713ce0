// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue that is missing, empty or damaged leaves the game in English, whole: never a crash, and
// never a window half in one language and half in garbage.
#include "form1.h"
#include "splitmix64.h"
#include "translations.h"

#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kGerman = QStringLiteral(HIGHROLL_TRANSLATIONS_DIR "/highroll_de.qm");

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DamagedCatalogue, leavesEveryTextInEnglish)
{
    const QByteArray whole = contentsOf(kGerman);
    ASSERT_GT(whole.size(), 100);
    // A whole catalogue, but another program's: it loads, and has none of the game's texts.
    const QByteArray qts =
        contentsOf(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"));
    ASSERT_GT(qts.size(), 100) << "Qt's German catalogue (qt6-translations-l10n) is not installed";
    QByteArray scrambled = whole;
    for (qsizetype i = 16; i < scrambled.size(); i += 7) {
        scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
    }
    const std::pair<const char*, QByteArray> damages[] = {
        {"empty", QByteArray()},
        {"cut short", whole.left(whole.size() / 2)},
        {"not a catalogue", QByteArray(4096, 'x')},
        {"scrambled after its header", scrambled},
        {"another program's", qts},
    };
    for (const auto& [damage, content] : damages) {
        SCOPED_TRACE(damage);
        QTemporaryDir directory;
        QFile file(directory.filePath(QStringLiteral("highroll_de.qm")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        Translations translations({QStringLiteral("de-DE")}, {directory.path()});
        translations.install();
        SplitMix64 random;
        Form1 form(random);
        const ControlSet& controls = form.controls();
        EXPECT_EQ(translations.language(), QString());
        EXPECT_EQ(controls.button(QStringLiteral("Command1")).caption(), "Roll Dice");
        EXPECT_EQ(controls.label(QStringLiteral("winlose")).caption(), "Win?");
        EXPECT_EQ(controls.label(QStringLiteral("Label2")).caption(), "Computer");
        EXPECT_EQ(translations.translate("Form1", "Begin"), "Begin");
    }
    // The same directory with the catalogue whole is German, so the cases above were read, not missed.
    QTemporaryDir directory;
    ASSERT_TRUE(QFile::copy(kGerman, directory.filePath(QStringLiteral("highroll_de.qm"))));
    EXPECT_EQ(Translations({QStringLiteral("de-DE")}, {directory.path()}).language(), "de");
    // And a missing one is English too.
    EXPECT_EQ(
        Translations({QStringLiteral("de-DE")}, {directory.filePath(QStringLiteral("none"))}).language(),
        QString());
}

} // namespace
