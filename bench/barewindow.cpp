// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Floor for start-up time and memory: a Qt 6 Widgets window of the game's client size, and nothing else.
#include "floorwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    FloorWindow::setUp(window);
    window.show();
    return QApplication::exec();
}
