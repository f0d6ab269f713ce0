// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture of the real game window, as a player sees it after one game, for the README:
//   highroll_screenshot docs/screenshot.png
// It plays with a fixed seed on the offscreen platform, so the picture is the same on every run.
#include "form1.h"
#include "splitmix64.h"

#include <cstdio>
#include <functional>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {

constexpr double kSeed = 20261208.0;

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void pause(int ms)
{
    waitFor([] { return false; }, ms);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HighRoll"));

    SplitMix64 random;
    Form1 window(random);
    window.load();
    random.seed(kSeed);
    window.show();

    CommandButton& button = window.controls().button(QStringLiteral("Command1"));
    const auto inState = [&window](GameState state) {
        return [&window, state] {
            return window.state() == state;
        };
    };
    bool played = waitFor(inState(GameState::ReadyToRoll), 2000);
    if (played) {
        button.click(); // Begin
        pause(400);
        button.click(); // Stop
        played = window.state() == GameState::ShowingResult;
        pause(100);
    }
    if (!played) {
        std::fprintf(stderr, "screenshot: the game did not reach its result\n");
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
