// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"
#include "form1layout.h"
#include "formbuilder.h"
#include "runtimeerror.h"

#include <array>
#include <map>
#include <set>
#include <stdexcept>
#include <string_view>

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
    // Worked out by hand from the window's drawing (15 twips to the pixel), not from the table the
    // window is built from, so a row moved in the table is caught.
    const std::map<QString, QRect> expected{
        {QStringLiteral("Command1"), QRect(0, 120, 201, 57)},
        {QStringLiteral("winlose"), QRect(72, 272, 201, 49)},
        {QStringLiteral("yscore"), QRect(172, 224, 165, 33)},
        {QStringLiteral("cscore"), QRect(252, 184, 85, 33)},
        {QStringLiteral("Label3"), QRect(120, 224, 57, 33)},
        {QStringLiteral("Label2"), QRect(120, 184, 129, 33)},
        {QStringLiteral("score"), QRect(8, 208, 97, 33)},
        {QStringLiteral("Shape2"), QRect(0, 176, 353, 97)},
        {QStringLiteral("ytop"), QRect(280, 128, 57, 33)},
        {QStringLiteral("You"), QRect(208, 80, 137, 33)},
        {QStringLiteral("ctop"), QRect(280, 40, 57, 33)},
        {QStringLiteral("Comp"), QRect(200, 0, 153, 41)},
        {QStringLiteral("Shape1"), QRect(200, 0, 153, 177)},
        {QStringLiteral("Num"), QRect(120, 0, 81, 121)},
        {QStringLiteral("Die"), QRect(0, 0, 120, 120)},
    };
    for (const auto& [name, rect] : expected) {
        EXPECT_EQ(widget(name).geometry(), rect) << name.toStdString();
    }
    // The pips on a three-by-three grid at 8, 40 and 72 pixels, 33 pixels across.
    const std::array<QPoint, 7> pips{QPoint(8, 8),   QPoint(72, 8), QPoint(8, 40), QPoint(40, 40),
                                     QPoint(72, 40), QPoint(8, 72), QPoint(72, 72)};
    for (int index = 0; index < 7; ++index) {
        EXPECT_EQ(pip(index).geometry(), QRect(pips.at(static_cast<std::size_t>(index)), QSize(33, 33)))
            << "pip " << index;
    }

    int widgets = 0;
    for (const ControlRow& row : form1Layout().controls) {
        widgets += row.kind == ControlKind::Timer ? 0 : 1;
    }
    EXPECT_EQ(widgets, 22); // the button, 11 labels, 3 shapes and 7 pips
}

TEST_F(BuiltForm1, rightToLeftIsTheMirrorImageWithCaptionsAtTheOtherSide)
{
    Form mirrored;
    mirrored.setLayoutDirection(Qt::RightToLeft); // as Qt's -reverse or a language written so sets it
    const ControlSet built = FormBuilder::build(mirrored, form1Layout());
    const auto mirror = [this](const QRect& ltr) {
        return ltr.translated(form.width() - ltr.left() - ltr.right() - 1, 0);
    };
    for (const auto& [name, control] : built.all()) {
        if (const auto* rtl = qobject_cast<QWidget*>(control)) {
            EXPECT_EQ(rtl->geometry(), mirror(widget(name).geometry())) << name.toStdString();
        }
    }
    for (int index = 0; index < 7; ++index) {
        EXPECT_EQ(built.shapeArray(QStringLiteral("Pip"))(index).geometry(), mirror(pip(index).geometry()));
    }
    // Which side of its box a caption's ink keeps to (-1 left, 1 right, 0 centred up to its glyphs'
    // bearings): words and numbers swap sides, the result line stays centred and the die's italic digit
    // at the left, where it is drawn whole.
    const auto side = [](QWidget& label) {
        QImage image(label.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren); // the caption, not the panel
        int left = image.width();
        int right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 100) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        const int leftOver = image.width() - 1 - right - left;
        return std::abs(leftOver) <= 4 ? 0 : leftOver > 0 ? -1 : 1;
    };
    for (const char* name : {"Label3", "Comp", "ctop", "cscore", "winlose", "Num"}) {
        const int ltr = side(widget(QString::fromLatin1(name)));
        EXPECT_EQ(side(*qobject_cast<QWidget*>(built.all().at(QString::fromLatin1(name)))),
                  std::string_view(name) == "Num" ? ltr : -ltr)
            << name;
    }
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
