// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"
#include "form1layout.h"
#include "formbuilder.h"
#include "runtimeerror.h"

#include <set>
#include <stdexcept>

#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class BuiltForm1 : public ::testing::Test {
protected:
    void SetUp() override { controls = FormBuilder::build(form, form1Layout()); }

    QWidget& widget(const QString& name) const
    {
        auto* widget = qobject_cast<QWidget*>(controls.all().at(name));
        if (widget == nullptr) {
            throw std::logic_error("not a widget: " + name.toStdString());
        }
        return *widget;
    }
    QWidget& pip(int index) const { return controls.shapeArray(QStringLiteral("Pip"))(index); }

    // The widget a row of the table built, for rows of every kind but timers.
    QWidget* widgetOf(const ControlRow& row) const
    {
        if (row.index >= 0) {
            return &controls.shapeArray(QString(row.name))(row.index);
        }
        return qobject_cast<QWidget*>(controls.all().at(QString(row.name)));
    }

    Form form;
    ControlSet controls;
};

TEST_F(BuiltForm1, windowIsAFixedClientAreaTitledForm1)
{
    EXPECT_EQ(form.size(), QSize(354, 322));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the layout is absolute: the window cannot resize";
    EXPECT_EQ(form.caption(), "Form1");
}

TEST_F(BuiltForm1, everyControlLandsOnItsTwipsRectangle)
{
    // A few positions worked out by hand: 15 twips to the pixel.
    EXPECT_EQ(widget(QStringLiteral("Command1")).geometry(), QRect(0, 120, 201, 57));
    EXPECT_EQ(widget(QStringLiteral("Num")).geometry(), QRect(120, 0, 81, 121));
    EXPECT_EQ(widget(QStringLiteral("winlose")).geometry(), QRect(72, 272, 201, 49));
    EXPECT_EQ(widget(QStringLiteral("Shape2")).geometry(), QRect(0, 176, 353, 97));
    EXPECT_EQ(widget(QStringLiteral("Die")).geometry(), QRect(0, 0, 120, 120));
    EXPECT_EQ(pip(3).geometry(), QRect(40, 40, 33, 33));
    EXPECT_EQ(pip(6).geometry(), QRect(72, 72, 33, 33));

    int widgets = 0;
    for (const ControlRow& row : form1Layout().controls) {
        if (row.kind == ControlKind::Timer) {
            continue;
        }
        ++widgets;
        const QWidget* built = widgetOf(row);
        ASSERT_NE(built, nullptr) << row.name.data();
        EXPECT_EQ(built->geometry(),
                  QRect(row.rect.left / 15, row.rect.top / 15, row.rect.width / 15, row.rect.height / 15))
            << row.name.data() << ' ' << row.index;
    }
    EXPECT_EQ(widgets, 22); // the button, 11 labels, 3 shapes and 7 pips
}

TEST_F(BuiltForm1, controlsAreStackedInTableOrder)
{
    // Among siblings, later children are drawn on top.
    const QObjectList stack = form.children();
    std::vector<qsizetype> positions;
    for (const ControlRow& row : form1Layout().controls) {
        if (row.kind != ControlKind::Timer) {
            positions.push_back(stack.indexOf(widgetOf(row)));
        }
    }
    for (std::size_t i = 1; i < positions.size(); ++i) {
        EXPECT_GT(positions[i - 1], positions[i]) << "row " << i - 1 << " must be above row " << i;
    }

    // What that means for input (shapes take none): the button over the score panel, the labels over
    // their cyan panels.
    form.show();
    EXPECT_EQ(form.childAt(100, 176), &widget(QStringLiteral("Command1")));
    EXPECT_EQ(form.childAt(300, 50), &widget(QStringLiteral("ctop")));
    EXPECT_EQ(form.childAt(100, 280), &widget(QStringLiteral("winlose")));
}

TEST_F(BuiltForm1, controlsStartWithTheirCaptionsAllShown)
{
    const std::map<QString, QString> captions{
        {"winlose", "Win?"},    {"yscore", "0"},      {"cscore", "0"}, {"Label3", "You"},
        {"Label2", "Computer"}, {"score", "Score:"},  {"ytop", "0"},   {"You", "You"},
        {"ctop", "0"},          {"Comp", "Computer"}, {"Num", "4"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(controls.label(name).caption(), caption) << name.toStdString();
    }
    EXPECT_EQ(controls.button(QStringLiteral("Command1")).caption(), "Roll Dice");

    form.show();
    for (const ControlRow& row : form1Layout().controls) {
        if (row.kind != ControlKind::Timer) {
            EXPECT_TRUE(widgetOf(row)->isVisible()) << row.name.data() << ' ' << row.index;
        }
    }
    EXPECT_EQ(controls.shapeArray(QStringLiteral("Pip")).size(), 7);
}

TEST_F(BuiltForm1, bothTimersRunAtFiftyMilliseconds)
{
    for (const char* name : {"Timer1", "Timer2"}) {
        const Timer& timer = controls.timer(QString::fromLatin1(name));
        EXPECT_EQ(timer.interval(), 50ms) << name;
        EXPECT_TRUE(timer.isRunning()) << name;
    }
}

TEST_F(BuiltForm1, onlyTheButtonTakesKeyboardFocus)
{
    for (const auto& [name, control] : controls.all()) {
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, name == "Command1") << name.toStdString();
        }
    }
}

TEST_F(BuiltForm1, looksUpControlsByNameAndKind)
{
    EXPECT_THROW(controls.label(QStringLiteral("Nobody")), RuntimeError);
    EXPECT_THROW(controls.label(QStringLiteral("Command1")), RuntimeError) << "a button is not a label";
    EXPECT_THROW(controls.shapeArray(QStringLiteral("Die")), RuntimeError);
}

TEST_F(BuiltForm1, rendersTheColoursOfTheLayout)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.grab().toImage();
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);
    const QColor green(0, 255, 0);
    const QColor cyan(0, 255, 255);

    EXPECT_EQ(image.pixelColor(60, 20), red) << "the die between its pips";
    EXPECT_EQ(image.pixelColor(6, 60), red) << "the die's left edge";
    for (const QPoint centre : {QPoint(24, 24), QPoint(88, 24), QPoint(24, 56), QPoint(56, 56),
                                QPoint(88, 56), QPoint(24, 88), QPoint(88, 88)}) {
        EXPECT_EQ(image.pixelColor(centre), white) << "pip at " << centre.x() << ',' << centre.y();
    }
    EXPECT_EQ(image.pixelColor(196, 116), green) << "the value box";
    EXPECT_EQ(image.pixelColor(345, 170), cyan) << "the roll panel";
    EXPECT_EQ(image.pixelColor(212, 150), cyan) << "the roll panel";
    EXPECT_EQ(image.pixelColor(345, 265), cyan) << "the score panel";
    EXPECT_EQ(image.pixelColor(5, 190), cyan) << "the score panel";
}

} // namespace
