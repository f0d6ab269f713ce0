// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbutton.h"
#include "controlarray.h"
#include "errorreport.h"
#include "form.h"
#include "hanglimit.h"
#include "label.h"
#include "paintrecorder.h"
#include "runtimeerror.h"
#include "shape.h"

#include <memory>

#include <QAccessible>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A window with one button, shown and active, as the game's form is while a player plays.
struct ButtonWindow {
    ButtonWindow()
    {
        form.resize(200, 100);
        button = new CommandButton(&form);
        button->setGeometry(10, 10, 100, 40);
        button->setCaption(QStringLiteral("Begin"));
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        button->setFocus();
    }
    Form form;
    CommandButton* button = nullptr;
};

TEST(CommandButton, clickSpaceAndEnterActivateIt)
{
    ButtonWindow window;
    QSignalSpy activated(window.button, &CommandButton::activated);
    QTest::mouseClick(window.button, Qt::LeftButton);
    QTest::keyClick(window.button, Qt::Key_Space);
    QTest::keyClick(window.button, Qt::Key_Return);
    QTest::keyClick(window.button, Qt::Key_Enter);
    EXPECT_EQ(activated.count(), 4);
}

TEST(CommandButton, heldEnterActivatesOnce)
{
    ButtonWindow window;
    QSignalSpy activated(window.button, &CommandButton::activated);
    QTest::sendKeyEvent(QTest::Press, window.button, Qt::Key_Return, QString(), Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window.button, &repeat);
    QApplication::sendEvent(window.button, &repeat);
    EXPECT_EQ(activated.count(), 1);
}

TEST(CommandButton, hiddenButtonGivesUpFocusAndIgnoresKeys)
{
    ButtonWindow window;
    QSignalSpy activated(window.button, &CommandButton::activated);
    ASSERT_EQ(window.form.focusWidget(), window.button);

    window.button->setVisible(false);
    EXPECT_EQ(window.form.focusWidget(), nullptr);
    // Keys typed at the window while the button is hidden, and keys sent to the button itself.
    QTest::keyClick(&window.form, Qt::Key_Space);
    QTest::keyClick(&window.form, Qt::Key_Return);
    QTest::keyClick(window.button, Qt::Key_Space);
    QTest::keyClick(window.button, Qt::Key_Enter);
    window.button->click();
    EXPECT_EQ(activated.count(), 0);

    // Space pressed while hidden and released once shown again: the press never counted.
    QTest::sendKeyEvent(QTest::Press, window.button, Qt::Key_Space, QString(), Qt::NoModifier);
    window.button->setVisible(true);
    QTest::sendKeyEvent(QTest::Release, window.button, Qt::Key_Space, QString(), Qt::NoModifier);
    EXPECT_EQ(activated.count(), 0);
}

TEST(CommandButton, takesFocusBackWhenShownAgain)
{
    ButtonWindow window;
    QSignalSpy activated(window.button, &CommandButton::activated);
    window.button->setVisible(false);
    window.button->setVisible(true);
    EXPECT_EQ(window.form.focusWidget(), window.button);
    QTest::keyClick(window.button, Qt::Key_Space);
    EXPECT_EQ(activated.count(), 1);
}

TEST(CommandButton, leavesFocusWhereThePlayerPutItMeanwhile)
{
    ButtonWindow window;
    auto* other = new QLineEdit(&window.form);
    other->setGeometry(10, 60, 100, 30);
    other->show();
    window.button->setVisible(false);
    other->setFocus();
    window.button->setVisible(true);
    EXPECT_EQ(window.form.focusWidget(), other);
}

TEST(Label, captionIsPlainTextAndTheAccessibleName)
{
    Form form;
    Label label(&form);
    label.setCaption(QStringLiteral("<b>10</b>"));
    EXPECT_EQ(label.caption(), "<b>10</b>");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);

    label.setCaption(QStringLiteral("You Win!!!"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "You Win!!!");
}

TEST(Label, aCaptionTooWideIsShrunkByTheFirstPictureAndAsItChanges)
{
    Form form;
    form.resize(200, 100);
    Label label(&form);
    label.setGeometry(0, 0, 60, 30);
    QFont full = label.font();
    full.setPixelSize(27);
    label.setFont(full);
    label.setShrinkToFit(true);
    label.setCaption(QStringLiteral("9007199254740990"));

    form.grab();
    EXPECT_LT(label.font().pixelSize(), 27);
    EXPECT_LE(QFontMetricsF(label.font()).horizontalAdvance(label.caption()), label.width());
    label.setCaption(QStringLiteral("0"));
    EXPECT_EQ(label.font().pixelSize(), 27);
}

TEST(Form, reportsItsFirstPictureOnce)
{
    Form form;
    form.resize(200, 100);
    QSignalSpy firstPainted(&form, &Form::firstPainted);
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return firstPainted.count() > 0; }, kHangLimitMs));
    form.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(firstPainted.count(), 1);
}

TEST(Form, isAnAccessibleWindowNamedAfterTheApplicationNotItsScrollingCaption)
{
    Form form;
    form.setCaption(QStringLiteral(" P r e s s  Y o u r"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&form);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Window);
    EXPECT_EQ(accessible->text(QAccessible::Name), QGuiApplication::applicationDisplayName());
    EXPECT_EQ(form.windowTitle(), " P r e s s  Y o u r");
    form.setAccessibleName(QStringLiteral("High Roll"));
    EXPECT_EQ(accessible->text(QAccessible::Name), "High Roll");
}

TEST(ControlArray, findsMembersByIndexAndRejectsOthers)
{
    Form form;
    Shape first(Shape::Kind::Circle, Qt::white, Qt::black, &form);
    Shape third(Shape::Kind::Circle, Qt::white, Qt::black, &form);
    ControlArray<Shape> array;
    array.insert(0, first);
    array.insert(2, third);
    EXPECT_EQ(&array(0), &first);
    EXPECT_EQ(&array(2), &third);
    EXPECT_EQ(array.size(), 3);
    EXPECT_THROW(array(1), RuntimeError);
    EXPECT_THROW(array(3), RuntimeError);
    EXPECT_THROW(array(-1), RuntimeError);
}

TEST(Shape, drawsItsFigureAntialiasedInsideItsRectangle)
{
    Form form;
    form.resize(100, 100);
    auto* circle = new Shape(Shape::Kind::Circle, QColor(255, 255, 255), QColor(0, 0, 0), &form);
    circle->setGeometry(0, 0, 40, 20);
    // Rendered without the window background, so what the shape leaves unpainted stays clear.
    QImage image(circle->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    circle->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // A circle in a 40x20 rectangle is 20 wide and centred: filled in the middle, clear at the sides.
    EXPECT_EQ(image.pixelColor(20, 10), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(3, 10).alpha(), 0);
    // Antialiasing leaves partly covered pixels on the edge, neither clear nor fully opaque.
    bool partial = false;
    for (int x = 0; x < image.width(); ++x) {
        const int alpha = image.pixelColor(x, 3).alpha();
        partial = partial || (alpha > 0 && alpha < 255);
    }
    EXPECT_TRUE(partial);
}

TEST(Shape, hiddenShapeIsNotDrawnAndCostsNoRepaintWhenUnchanged)
{
    Form form;
    form.resize(100, 100);
    auto* circle = new Shape(Shape::Kind::Circle, QColor(255, 255, 255), QColor(0, 0, 0), &form);
    circle->setGeometry(10, 10, 40, 40);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QColor background = form.grab().toImage().pixelColor(80, 80);

    circle->setVisible(false);
    EXPECT_FALSE(circle->isShown());
    EXPECT_EQ(form.grab().toImage().pixelColor(30, 30), background);

    circle->setVisible(true);
    EXPECT_TRUE(circle->isShown());
    EXPECT_EQ(form.grab().toImage().pixelColor(30, 30), QColor(255, 255, 255));

    // Setting the visibility it already has must not repaint anything.
    QTest::qWait(20);
    PaintRecorder recorder(form);
    circle->setVisible(true);
    QTest::qWait(30);
    EXPECT_EQ(recorder.paints(), 0);
    circle->setVisible(false);
    QTest::qWait(30);
    EXPECT_GT(recorder.paints(), 0);
}

// A form whose handler fails, as a game handler would on an arithmetic overflow.
class FailingForm : public Form {
public:
    FailingForm() { bindEvent(&button, &CommandButton::activated, &FailingForm::fail); }
    void fail() { throw RuntimeError("overflow"); }
    CommandButton button{this};
};

TEST(ErrorReportDeathTest, aFailingHandlerEndsTheProgramWithAMessage)
{
    EXPECT_EXIT(
        {
            FailingForm form;
            QTimer::singleShot(0, &form.button, &CommandButton::activated);
            std::exit(QApplication::exec());
        },
        ::testing::ExitedWithCode(ErrorReport::kRuntimeErrorStatus), "run-time error: overflow");
}

// Forms that fail while they are built (a control missing from the layout) or loaded.
class FailingToBuildForm : public Form {
public:
    FailingToBuildForm() { throw RuntimeError("no control named Command1"); }
};
class FailingToLoadForm : public Form {
protected:
    void Form_Load() override { throw RuntimeError("overflow in the load handler"); }
};

TEST(ErrorReportDeathTest, aWindowThatCannotBeBuiltOrLoadedIsReportedAsAHandlersFailure)
{
    EXPECT_EXIT(std::exit(Form::open<FailingToBuildForm>() == nullptr ? ErrorReport::kRuntimeErrorStatus : 0),
                ::testing::ExitedWithCode(ErrorReport::kRuntimeErrorStatus),
                "run-time error: no control named Command1");
    EXPECT_EXIT(std::exit(Form::open<FailingToLoadForm>() == nullptr ? ErrorReport::kRuntimeErrorStatus : 0),
                ::testing::ExitedWithCode(ErrorReport::kRuntimeErrorStatus),
                "run-time error: overflow in the load handler");
}

} // namespace
