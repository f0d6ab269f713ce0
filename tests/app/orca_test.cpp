// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// One game played by ear: the Orca screen reader runs against the real program on a private desktop
// (orca-speech.sh beside this file starts it and reports what Orca says), the keyboard
// alone plays one full game, and the lines Orca speaks must tell the whole game, in order, once each.
// What the game says is expected in the game's own texts and numbers (GameTexts, GameConstants), translated
// as the game translates them, so that the same expectations hold in the language whose catalogue is
// installed; the window's and the button's kinds and the keys' names are Orca's words.
#include "buildinfo.h"
#include "gameconstants.h"
#include "gameprocess.h"
#include "gametexts.h"
#include "translations.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString kOrcaSpeech = QStringLiteral(HIGHROLL_ORCA_SPEECH);

// orca-speech reports what Orca said from Orca's debug log, which Orca writes in blocks, and reads it while
// Orca still runs: the last lines Orca logged may not be in the file yet, however long it waits. So the game
// is followed by presses of Shift, each of which Orca echoes and logs at length, enough of them that what
// Orca logs after the first one fills more than a block. The first one's echo in the report then proves
// that every line Orca spoke before it is there: a line missing from the game was not spoken.
constexpr int kFlushPresses = 8;

// What was spoken after each key: before the first key, then after Begin, Stop and Begin, and after the
// first Shift.
using Steps = std::vector<QStringList>;

// Orca 43 (Debian 12), 48 (Debian 13) and 51 (Debian testing) word some things apart: "Begin push
// button.", "Begin button." and "Begin button"; "HighRoll frame.", "HighRoll frame" and "HighRoll"; the
// key "space " and "space". Lines are compared as "Begin button", "HighRoll" and "space".
QString inCommonWords(QString line)
{
    line = line.trimmed();
    line.replace(QStringLiteral(" push button"), QStringLiteral(" button"));
    for (const QLatin1StringView kind : {QLatin1StringView(" button."), QLatin1StringView(" frame.")}) {
        if (line.endsWith(kind)) {
            line.chop(1);
        }
    }
    if (line.endsWith(QStringLiteral(" frame"))) {
        line.chop(6);
    }
    return line;
}

// Orca 48 says the button again under its new name ("Stop button"), Orca 51 says the new name alone
// ("Stop"), before or after the step's news; Orca 43 says nothing of it. Once at most, after the key's echo.
QStringList withoutRenamedButton(QStringList step, const QString& name)
{
    for (qsizetype at = 1; at < step.size(); ++at) {
        if (step[at] == name + QStringLiteral(" button") || step[at] == name) {
            step.removeAt(at);
            break;
        }
    }
    return step;
}
constexpr std::size_t kGameSteps = 4;

// Orca, its private desktop and the pauses between the keys take most of a minute.
constexpr int kOrcaSlowdown = 8;

// Runs one game with key, the game in locale (Orca in the tests' own, so that its words are English);
// the pauses are generous, the last one long enough for the computer's die to stop (at 1 in 20 per
// 50 ms tick it rolls on for 12 s once in 200 000 games).
Steps playByEar(const QString& key, const QString& locale)
{
    // orca-speech makes the desktop, the display and the runtime directory the game runs on.
    QProcessEnvironment environment = GameProcess::withoutDisplay();
    environment.remove(QStringLiteral("ORCA_SPEECH_LOG"));
    environment.remove(QStringLiteral("ORCA_SPEECH_SHOTS"));
    QString keys = QStringLiteral("%1:4 %1:4 %1:12").arg(key);
    for (int press = 0; press < kFlushPresses; ++press) {
        keys += QStringLiteral(" shift:0.5");
    }
    QStringList wrapper{kOrcaSpeech, QStringLiteral("-k"), keys, QStringLiteral("--")};
    if (!locale.isEmpty()) {
        wrapper << QStringLiteral("env") << QStringLiteral("-u") << QStringLiteral("LC_ALL")
                << QStringLiteral("LANG=") + locale;
    }
    GameProcess orca({.environment = environment, .wrapper = wrapper, .slowdown = kOrcaSlowdown});
    // What orca-speech writes to stderr is its own diagnostics; the speech is judged from stdout.
    if (const ::testing::AssertionResult ended = orca.endedWithStatus(orca.run(), 0); !ended) {
        ADD_FAILURE() << "orca-speech failed: " << ended.message();
        return {};
    }
    // "+1.23 s key space" or "+1.25 s SPEECH OUTPUT: 'text'{...}"; braille lines are left aside.
    static const QRegularExpression line(
        QStringLiteral(R"re(^\s*[-+][0-9.]+ s (?:key (\S+)|SPEECH OUTPUT: '(.*)' ?\{))re"));
    Steps steps(1);
    for (const QString& text : orca.stdoutText().split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch()) {
            continue;
        }
        if (match.capturedLength(1) > 0) {
            steps.emplace_back();
        } else if (match.captured(2) != QLatin1String("Screen reader on.")) {
            steps.back() << inCommonWords(match.captured(2));
        }
    }
    steps.resize(std::min(steps.size(), kGameSteps + 1)); // after the first Shift, only whether Orca spoke
    return steps;
}

std::string joined(const QStringList& lines)
{
    return lines.join(QLatin1String(" | ")).toStdString();
}

QString text(const char* source)
{
    return QCoreApplication::translate(GameTexts::kContext, source);
}

// A text the game speaks, as a whole-line pattern: the text itself, each %n in it standing for the pattern
// arguments[n - 1], captured under the name "pn" (a translation may put them in another order).
QRegularExpression spoken(const QString& text, const QStringList& arguments)
{
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const int number = match.captured(1).toInt();
        pattern += QRegularExpression::escape(text.mid(from, match.capturedStart() - from)) +
                   QStringLiteral("(?<p%1>%2)").arg(number).arg(arguments.value(number - 1));
        from = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(from)) + QLatin1Char('$');
    return QRegularExpression(pattern);
}

// Any one of texts, as a pattern.
QString oneOf(const QStringList& texts)
{
    QStringList escaped;
    for (const QString& each : texts) {
        escaped << QRegularExpression::escape(each);
    }
    return escaped.join(QLatin1Char('|'));
}

// A key that plays the game, and the locale the game runs in (empty: the tests' own, English).
struct Play {
    const char* key;
    const char* locale;
};

class PlayedByEar : public ::testing::TestWithParam<Play> {};

TEST_P(PlayedByEar, orcaSaysEveryStepOfOneGameOnceAndInOrder)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("orca")).isEmpty())
        << "Orca is missing: ./test.sh installs it from Debian (scripts/packages.sh)";

    const QString key = QString::fromLatin1(GetParam().key);
    const QString locale = QString::fromLatin1(GetParam().locale);
    // The game's texts as the game says them in that locale.
    Translations translations({locale.section(QLatin1Char('.'), 0, 0)},
                              {QStringLiteral(HIGHROLL_TRANSLATIONS_DIR)});
    ASSERT_EQ(translations.language().isEmpty(), locale.isEmpty())
        << "no catalogue for " << locale.toStdString();
    translations.install();
    const Steps steps = playByEar(key, locale);
    ASSERT_EQ(steps.size(), kGameSteps + 1);
    ASSERT_FALSE(steps[kGameSteps].isEmpty())
        << "Orca said nothing after the game: the report may lack what it said last (its log read before "
           "it was written out), or nothing reached Orca (the game's window without the keyboard focus)";

    using namespace GameTexts;
    const QString echo = key.toLower();
    const QString begin = text(kBegin);
    const QString roll = QStringLiteral("[1-6]");
    const QRegularExpression rolled =
        spoken(text(kSayComputerRolled), {roll, QRegularExpression::escape(begin)});

    // On focus: the window in words, the button, and the computer's opening roll.
    ASSERT_EQ(steps[0].size(), 3) << joined(steps[0]);
    // The window's accessible name: the program's name, the same in every language.
    EXPECT_EQ(steps[0][0], QLatin1String(BuildInfo::kName));
    EXPECT_EQ(steps[0][1], begin + QStringLiteral(" button"));
    const QRegularExpressionMatch opening = rolled.match(steps[0][2]);
    ASSERT_TRUE(opening.hasMatch()) << steps[0][2].toStdString();

    EXPECT_EQ(joined(withoutRenamedButton(steps[1], text(kStop))),
              joined({echo, text(kSayPlayerRolling).arg(text(kStop))}));

    // The player's roll, the result in the game's words, and scores that follow from the two rolls.
    const QStringList scored = withoutRenamedButton(steps[2], begin);
    ASSERT_EQ(scored.size(), 2) << joined(steps[2]);
    EXPECT_EQ(scored[0], echo);
    const QStringList results = {text(kYouLose), text(kYouWin), text(kTie)};
    const QRegularExpressionMatch result =
        spoken(text(kSayResult), {roll, oneOf(results), QStringLiteral("\\d+"), QStringLiteral("\\d+"),
                                  QRegularExpression::escape(begin)})
            .match(scored[1]);
    ASSERT_TRUE(result.hasMatch()) << scored[1].toStdString();
    const int computer = opening.captured(QStringLiteral("p1")).toInt();
    const int player = result.captured(QStringLiteral("p1")).toInt();
    const QString win = QString::number(GameConstants::kWinPoints);
    const QString tie = QString::number(GameConstants::kTiePoints);
    const QString none = QStringLiteral("0");
    const QStringList expected = computer > player   ? QStringList{results[0], win, none}
                                 : computer < player ? QStringList{results[1], none, win}
                                                     : QStringList{results[2], tie, tie};
    EXPECT_EQ(joined({result.captured(QStringLiteral("p2")), result.captured(QStringLiteral("p3")),
                      result.captured(QStringLiteral("p4"))}),
              joined(expected))
        << "after the computer's " << computer << " and the player's " << player;

    // The computer's roll starts, and its new roll is said once it stops.
    ASSERT_EQ(steps[3].size(), 3) << joined(steps[3]);
    EXPECT_EQ(steps[3][0], echo);
    EXPECT_EQ(steps[3][1], text(kSayComputerRolling));
    EXPECT_TRUE(rolled.match(steps[3][2]).hasMatch()) << steps[3][2].toStdString();
}

// Both keys in English, and a game in German, one in Japanese and one in Arabic, mirrored.
INSTANTIATE_TEST_SUITE_P(KeysAndLanguages, PlayedByEar,
                         ::testing::Values(Play{"space", ""}, Play{"Return", ""},
                                           Play{"space", "de_DE.UTF-8"}, Play{"Return", "ja_JP.UTF-8"},
                                           Play{"space", "ar_EG.UTF-8"}),
                         [](const auto& param) {
                             const std::string locale = param.param.locale;
                             return std::string(param.param.key) +
                                    (locale.empty() ? "" : "_" + locale.substr(0, 2));
                         });

} // namespace
