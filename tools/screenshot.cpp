// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture of the real game window, as a player sees it after one game, for the README:
//   highroll_screenshot docs/screenshot.png
//   highroll_screenshot --language ar docs/screenshot-ar.png    (in a language the game ships)
// It plays with a fixed seed on the offscreen platform, so the picture is the same on every run. Qt's
// own options work too: -reverse draws the window laid out right to left.
#include "buildinfo.h"
#include "form1.h"
#include "splitmix64.h"
#include "translations.h"

#include <cstdio>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

// The dice's seed, in place of the time of day the game takes it from.
constexpr float kSeed = 20261208.0f;
// Faces the player's die shows before Stop.
constexpr int kPlayerFaces = 8;

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Takes Qt's own options out of the arguments.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(BuildInfo::kName));
    QStringList arguments = QApplication::arguments();
    QString language = QStringLiteral("en");
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--language")) {
        language = arguments.at(2);
        arguments.remove(1, 2);
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: %s [--language LANGUAGE] OUTPUT.png\n", argv[0]);
        return 2;
    }
    Translations translations({language}, {QStringLiteral(HIGHROLL_TRANSLATIONS_DIR)});
    if (language != QLatin1String("en") && translations.language() != language) {
        std::fprintf(stderr, "screenshot: the game has no catalogue for %s\n", qPrintable(language));
        return 2;
    }
    translations.install();

    SplitMix64 random;
    Form1 window(random, [] { return kSeed; });
    window.load();
    window.show();

    CommandButton& button = window.controls().button(QStringLiteral("Command1"));
    bool played = QTest::qWaitFor([&window] { return window.state() == GameState::ReadyToRoll; }, 10000);
    if (played) {
        button.click(); // Begin
        // A fixed number of faces, not a fixed time, so a busy machine draws the same picture.
        QSignalSpy faces(&window.controls().timer(QStringLiteral("Timer1")), &Timer::ticked);
        played = QTest::qWaitFor([&faces] { return faces.count() >= kPlayerFaces; }, 10000);
        button.click(); // Stop
        played = played && window.state() == GameState::ShowingResult;
        QTest::qWait(100);
    }
    if (!played) {
        std::fprintf(stderr, "screenshot: the game did not reach its result\n");
        return 1;
    }
    if (!window.grab().save(arguments.at(1))) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
