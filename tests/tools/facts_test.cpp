// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// What highroll_facts prints is what the game does: the rectangles its window shows, the periods its
// timers run at, the titles it shows and the marquee it scrolls. The benchmark clicks, waits and
// compares by these facts, so a fact printed wrong would make it measure the wrong thing.
#include "form1.h"
#include "gameprocess.h"
#include "scriptedrandom.h"

#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QRect rectangle(const QJsonValue& value)
{
    const QJsonObject rect = value.toObject();
    return {rect[QLatin1String("left")].toInt(), rect[QLatin1String("top")].toInt(),
            rect[QLatin1String("width")].toInt(), rect[QLatin1String("height")].toInt()};
}

class Facts : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameProcess tool(
            {.environment = GameProcess::withoutDisplay(), .program = QStringLiteral(HIGHROLL_FACTS_BINARY)});
        ASSERT_TRUE(tool.endedWith(tool.run(), 0)) << "it needs no display";
        QJsonParseError error{};
        facts = QJsonDocument::fromJson(tool.stdoutText().toUtf8(), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        form.load();
    }

    QJsonValue fact(const char* group, const char* name) const
    {
        return facts[QLatin1String(group)].toObject()[QLatin1String(name)];
    }

    // One die tick showing face, then a stop draw that never stops a rolling die by chance.
    void tick(int face)
    {
        random.queue({drawFor(face), 0.9f});
        form.Timer1_Timer();
    }

    QJsonObject facts;
    ScriptedRandom random;
    Form1 form{random};
};

TEST_F(Facts, everyControlIsWhereTheWindowShowsIt)
{
    EXPECT_EQ(rectangle(fact("client", "pixels")).size(), form.size());
    const double twipsPerPixel = fact("units", "twipsPerPixel").toDouble();
    ASSERT_GT(twipsPerPixel, 0);
    const QJsonArray controls = facts[QLatin1String("controls")].toArray();
    int widgets = 0;
    for (const QJsonValue& value : controls) {
        const QJsonObject control = value.toObject();
        const QString name = control[QLatin1String("name")].toString();
        const int index = control[QLatin1String("index")].toInt();
        SCOPED_TRACE(name.toStdString() + ' ' + std::to_string(index));
        if (control[QLatin1String("kind")].toString() == QLatin1String("Timer")) {
            EXPECT_EQ(form.controls().timer(name).interval().count(),
                      control[QLatin1String("intervalMs")].toInteger());
            continue;
        }
        const QWidget* widget = index >= 0 ? &form.controls().shapeArray(name)(index)
                                           : qobject_cast<QWidget*>(form.controls().all().at(name));
        ASSERT_NE(widget, nullptr);
        const QRect pixels = rectangle(control[QLatin1String("pixels")]);
        EXPECT_EQ(pixels, widget->geometry());
        // The twips the layout writes, at the printed units, round to the same pixels.
        const QRect twips = rectangle(control[QLatin1String("twips")]);
        EXPECT_EQ(std::lround(twips.left() / twipsPerPixel), pixels.left());
        EXPECT_EQ(std::lround(twips.width() / twipsPerPixel), pixels.width());
        ++widgets;
    }
    EXPECT_EQ(widgets, static_cast<int>(form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size()));
}

TEST_F(Facts, periodsTitlesAndMarqueeAreTheOnesTheGameShows)
{
    EXPECT_EQ(fact("texts", "marquee").toString(), form.marquee());
    tick(3); // the opening roll; the marquee waits for Begin
    EXPECT_EQ(form.controls().timer(QStringLiteral("Timer2")).interval().count(),
              fact("periodsMs", "marqueeWaiting").toInteger());
    form.Timer2_Timer();
    EXPECT_EQ(form.caption().size(), facts[QLatin1String("titleWidth")].toInt());

    form.Command1_Click(); // Begin: the player's die rolls
    EXPECT_EQ(form.caption(), fact("texts", "playerRollTitle").toString());
    EXPECT_EQ(form.controls().timer(QStringLiteral("Timer1")).interval().count(),
              fact("periodsMs", "die").toInteger());
    tick(4);
    form.Command1_Click(); // Stop: the result, the marquee at its slower pace
    EXPECT_EQ(form.controls().timer(QStringLiteral("Timer2")).interval().count(),
              fact("periodsMs", "marqueeResult").toInteger());
    form.Command1_Click(); // Begin: the computer's die rolls
    EXPECT_EQ(form.caption(), fact("texts", "computerRollTitle").toString());
}

} // namespace
