// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Floor for the game's idle cost while its marquee scrolls: the bare window, changing only its title every
// 40 ms to the next 60 characters of a scrolling strip, as the game's marquee does while it waits.
#include "floorwindow.h"

#include <chrono>

#include <QApplication>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// The same timer kind and period as the game's marquee, so both wake the same way.
constexpr auto kPeriod = 40ms;
constexpr int kTitleWidth = 60;
// The marquee's text: 52 characters, repeated so that every 60-character window of it is filled.
const QString kText = QStringLiteral("          P r e s s  Y o u r  L u c k ! ! !         ");

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
