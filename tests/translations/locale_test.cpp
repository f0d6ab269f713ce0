// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's system language picks the catalogue (this program runs once per locale, the locale set
// in its environment): English and locales without a catalogue show every text exactly as written, and
// numbers stay in ASCII digits whatever digits the locale itself writes, since the game reads them back.
#include "gamefixture.h"
#include "translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

// Made before the window (a base class is made before the deriving class's members), as in the program.
class SystemTranslations {
protected:
    SystemTranslations()
        : translations(QLocale::system().uiLanguages(), {QStringLiteral(HIGHROLL_TRANSLATIONS_DIR)})
    {
        translations.install();
    }
    Translations translations;
};

class SystemLanguage : protected SystemTranslations, public GameTest {
protected:
    QStringList shown()
    {
        const QString description = form.controls().button(QStringLiteral("Command1")).description();
        return {form.caption(),   button(),        caption("winlose"), caption("Label2"), caption("Label3"),
                caption("score"), caption("Comp"), caption("You"),     description};
    }
};

TEST_F(SystemLanguage, picksTheCatalogueShowsEnglishAsWrittenAndWritesAsciiDigits)
{
    const QString expected = qEnvironmentVariable("HIGHROLL_EXPECTED_LANGUAGE");
    ASSERT_EQ(translations.language(), expected)
        << "languages: " << QLocale::system().uiLanguages().join(',').toStdString();

    std::vector<QStringList> steps{shown()};
    playFirstGame(6, 1);
    steps.push_back(shown());
    form.Command1_Click();
    steps.push_back(shown());
    rollingTick(2, 0.01f);
    form.Timer2_Timer();
    steps.push_back(shown());

    // Laid out in the language's direction: mirrored in Arabic, Hebrew and Persian.
    EXPECT_EQ(form.layoutDirection(),
              QLocale(expected.isEmpty() ? QStringLiteral("en") : expected).textDirection());

    static const QRegularExpression asciiDigits(QStringLiteral("^[0-9]+$"));
    for (const char* name : {"Num", "ctop", "ytop", "cscore", "yscore"}) {
        EXPECT_TRUE(asciiDigits.match(caption(name)).hasMatch())
            << name << ": " << caption(name).toStdString();
    }
    if (!expected.isEmpty()) {
        EXPECT_NE(steps[0], (QStringList{"Form1", "Roll Dice", "Win?", "Computer", "You",
                                         "Score:", "Computer", "You", ""}));
        return;
    }
    const QString marquee = QStringLiteral("          P r e s s  Y o u r  L u c k ! ! !         ");
    EXPECT_EQ(form.marquee(), marquee);
    EXPECT_EQ(steps[0], (QStringList{"Form1", "Roll Dice", "Win?", "Computer", "You", "Score:", "Computer",
                                     "You", ""}));
    EXPECT_EQ(
        steps[1],
        (QStringList{"Roll for the Money", "Begin", "You Lose...", "Computer", "You", "Score:", "Computer",
                     "You",
                     "You rolled 1. You Lose... Score: computer 10, you 0. Press Begin for the next game."}));
    EXPECT_EQ(steps[2], (QStringList{"Roll for the money", "Begin", "You Lose...", "Computer", "You",
                                     "Score:", "Computer", "You", "The computer's die is rolling."}));
    EXPECT_EQ(steps[3], (QStringList{marquee + QString(8, QLatin1Char(' ')), "Begin", "You Lose...",
                                     "Computer", "You", "Score:", "Computer", "You",
                                     "The computer rolled 2. Press Begin to roll your die."}));
}

} // namespace
