// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Floor for the game's cost while a die rolls: the text floor, also repainting the game's die (a rounded
// square with its pips, antialiased, where the layout puts it) and the value box (the number on its green
// fill) every die period, with the same precise timer the game uses.
#include "floorwindow.h"
#include "gameconstants.h"
#include "shapekind.h"

#include <array>

#include <QApplication>
#include <QPainter>
#include <QTimer>

namespace {

// The pips of each face and the die's corners: the picture the game draws.
using GameConstants::kFacePips;
using GameConstants::kFaces;

class Die : public QWidget {
public:
    explicit Die(QWidget* parent)
        : QWidget(parent)
    {
        for (const ControlRow& row : form1Layout().controls) {
            if (row.name == QLatin1StringView("Die")) {
                setGeometry(Units::twipsToPixels(row.rect));
            } else if (row.name == QLatin1StringView("Pip")) {
                m_pips.push_back(Units::twipsToPixels(row.rect));
            }
        }
    }

    void show(int face)
    {
        m_face = face;
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.0));
        painter.setBrush(Qt::red);
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.drawRoundedRect(area, area.width() * kRoundedCornerRatio, area.width() * kRoundedCornerRatio);
        painter.setBrush(Qt::white);
        for (const int pip : kFacePips.at(static_cast<std::size_t>(m_face - 1))) {
            painter.drawEllipse(
                QRectF(m_pips.at(static_cast<std::size_t>(pip))).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

private:
    std::vector<QRect> m_pips;
    int m_face = 1;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    FloorWindow::setUp(window);
    QLabel* value = FloorWindow::addCaptions(window, QLatin1StringView("Num"));
    value->setAutoFillBackground(true);
    QPalette palette = value->palette();
    palette.setColor(QPalette::Window, Qt::green);
    value->setPalette(palette);
    auto* die = new Die(&window);
    // Measured beside the game, whose window is at the screen's top left with the pointer over it: this
    // one opens to its right (there is no window manager to place it), so neither covers the other.
    window.move(FloorWindow::kClientSize.width(), 0);

    int face = 1;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &window, [die, value, &face] {
        face = face % kFaces + 1;
        die->show(face);
        value->setText(QString::number(face));
    });
    timer.start(Form1Pace::kDiePeriod);

    window.show();
    return QApplication::exec();
}
