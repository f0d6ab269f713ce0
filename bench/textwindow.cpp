// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Floor for start-up time and memory of the game's picture: the bare window showing the game's twelve
// captions, where the game shows them and in the fonts it picks, through plain Qt widgets.
#include "floorwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    FloorWindow::setUp(window);
    FloorWindow::addCaptions(window);
    window.show();
    return QApplication::exec();
}
