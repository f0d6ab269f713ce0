// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the game's facts as JSON, read from the code that defines them, for programs outside C++
// (bench/bench.py) that must know the game's pace, layout and words without reading its sources:
//   highroll_facts > facts.json
// Every value comes from the headers and the layout table the game is built from, so a fact changed
// there reaches its readers with the next build.
#include "form1layout.h"
#include "gameconstants.h"
#include "gametexts.h"
#include "units.h"

#include <chrono>
#include <cstdio>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject rectangle(int left, int top, int width, int height)
{
    return {{QStringLiteral("left"), left},
            {QStringLiteral("top"), top},
            {QStringLiteral("width"), width},
            {QStringLiteral("height"), height}};
}

QJsonObject rectangle(const QRect& rect)
{
    return rectangle(rect.left(), rect.top(), rect.width(), rect.height());
}

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Timer:
        return QStringLiteral("Timer");
    case ControlKind::CommandButton:
        return QStringLiteral("CommandButton");
    case ControlKind::Label:
        return QStringLiteral("Label");
    case ControlKind::Shape:
        return QStringLiteral("Shape");
    }
    return QStringLiteral("?");
}

qint64 milliseconds(std::chrono::milliseconds period)
{
    return static_cast<qint64>(period.count());
}

// The layout's controls in stacking order, each with its rectangle in twips (as the table writes it)
// and in device-independent pixels (as the window shows it); timers have no rectangle.
QJsonArray controls()
{
    QJsonArray rows;
    for (const ControlRow& row : form1Layout().controls) {
        QJsonObject control{{QStringLiteral("name"), QString(row.name)},
                            {QStringLiteral("index"), row.index},
                            {QStringLiteral("kind"), kindName(row.kind)}};
        if (row.kind == ControlKind::Timer) {
            control.insert(QStringLiteral("intervalMs"), milliseconds(row.interval));
        } else {
            control.insert(QStringLiteral("twips"),
                           rectangle(row.rect.left, row.rect.top, row.rect.width, row.rect.height));
            control.insert(QStringLiteral("pixels"), rectangle(Units::twipsToPixels(row.rect)));
        }
        rows.append(control);
    }
    return rows;
}

} // namespace

int main()
{
    const FormLayout& layout = form1Layout();
    const QSize client = Units::twipsToPixels(layout.widthTwips, layout.heightTwips);
    // The English texts as the game writes them; the game shows their translation for the player's
    // language, so a reader that compares titles runs the game in the C locale.
    const QJsonObject texts{
        {QStringLiteral("computerRollTitle"), QString::fromUtf8(GameTexts::kComputerRollTitle)},
        {QStringLiteral("playerRollTitle"), QString::fromUtf8(GameTexts::kPlayerRollTitle)},
        {QStringLiteral("marquee"), QString::fromUtf8(GameTexts::kMarqueeText)},
    };
    const QJsonObject facts{
        {QStringLiteral("units"), QJsonObject{{QStringLiteral("twipsPerPixel"), Units::kTwipsPerPixel},
                                              {QStringLiteral("twipsPerPoint"), Units::kTwipsPerPoint}}},
        {QStringLiteral("periodsMs"),
         QJsonObject{{QStringLiteral("die"), milliseconds(Form1Pace::kDiePeriod)},
                     {QStringLiteral("marqueeWaiting"), milliseconds(Form1Pace::kMarqueeWaitingPeriod)},
                     {QStringLiteral("marqueeResult"), milliseconds(Form1Pace::kMarqueeResultPeriod)}}},
        {QStringLiteral("titleWidth"), GameConstants::kTitleWidth},
        {QStringLiteral("texts"), texts},
        {QStringLiteral("client"),
         QJsonObject{{QStringLiteral("twips"), rectangle(0, 0, layout.widthTwips, layout.heightTwips)},
                     {QStringLiteral("pixels"), rectangle(QRect(QPoint(0, 0), client))}}},
        {QStringLiteral("controls"), controls()},
    };
    const QByteArray json = QJsonDocument(facts).toJson(QJsonDocument::Indented);
    return std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout) ==
                   static_cast<std::size_t>(json.size())
               ? 0
               : 1;
}
