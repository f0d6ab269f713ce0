// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Floor for the game's idle cost while its marquee scrolls: the bare window, changing only its title every
// marquee period to the next title's width of a scrolling strip, as the game's marquee does while it waits.
#include "floorwindow.h"
#include "gameconstants.h"
#include "gametexts.h"

#include <QApplication>
#include <QTimer>

namespace {

// The same timer kind, period and text as the game's marquee, so both wake and draw the same way.
constexpr auto kPeriod = GameConstants::kMarqueeWaitingPeriod;
constexpr int kTitleWidth = GameConstants::kTitleWidth;
const QString kText = QString::fromUtf8(GameTexts::kMarqueeText);

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    FloorWindow::setUp(window);

    const QString strip = kText + kText + kText;
    qsizetype position = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &window, [&window, &strip, &position] {
        position = (position + 1) % kText.size();
        window.setWindowTitle(strip.mid(position, kTitleWidth));
    });
    timer.start(kPeriod);

    window.show();
    return QApplication::exec();
}
