// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1layout.h"

#include <array>

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kCyan = qRgb(0, 255, 255);
// A light neutral window face, like a classic dialog, so the pure red, green and cyan stand out.
constexpr QRgb kWindowFace = qRgb(240, 240, 240);
// The result line is an opaque strip of pale yellow: it reads as a message, apart from the panels.
constexpr QRgb kResultBackground = qRgb(255, 255, 204);

constexpr FontChoice kCaptionFont{QLatin1StringView("Courier New"), 20.25, true, false};
constexpr FontChoice kValueFont{QLatin1StringView("Impact"), 72, false, true};
constexpr FontChoice kButtonFont{QLatin1StringView("Arial Black"), 24, true, false};

constexpr int kPipSize = 495;

constexpr ControlRow timer(const char* name, std::chrono::milliseconds interval)
{
    return {.name = QLatin1StringView(name), .kind = ControlKind::Timer, .interval = interval};
}

// A label showing words, translated as the window is built.
constexpr ControlRow label(const char* name, Units::TwipsRect rect, CaptionText caption,
                           TextAlign align = TextAlign::Left)
{
    return {.name = QLatin1StringView(name),
            .kind = ControlKind::Label,
            .rect = rect,
            .caption = caption,
            .translated = true,
            .font = kCaptionFont,
            .foreground = kBlack,
            .align = align,
            // Words differ in length and script from language to language; the box does not.
            .shrinkToFit = true};
}

// A label showing a number the game writes and reads back: never translated.
constexpr ControlRow value(const char* name, Units::TwipsRect rect)
{
    ControlRow row = label(name, rect, {"0"}, TextAlign::Right);
    row.translated = false;
    row.shrinkToFit = false;
    return row;
}

constexpr ControlRow score(const char* name, Units::TwipsRect rect)
{
    ControlRow row = value(name, rect);
    row.shrinkToFit = true;
    return row;
}

constexpr ControlRow panel(const char* name, Units::TwipsRect rect)
{
    return {.name = QLatin1StringView(name),
            .kind = ControlKind::Shape,
            .rect = rect,
            .background = kCyan,
            .shape = ShapeKind::Rectangle,
            .outline = kBlack};
}

constexpr ControlRow pip(int index, int left, int top)
{
    return {.name = QLatin1StringView("Pip"),
            .kind = ControlKind::Shape,
            .index = index,
            .rect = {left, top, kPipSize, kPipSize},
            .background = kWhite,
            .shape = ShapeKind::Circle,
            .outline = kBlack};
}

// Rectangles are {left, top, width, height} in twips from the top left of the client area.
constexpr std::array kControls{
    timer("Timer2", Form1Pace::kMarqueeResultPeriod),
    timer("Timer1", Form1Pace::kDiePeriod),
    ControlRow{.name = QLatin1StringView("Command1"),
               .kind = ControlKind::CommandButton,
               .rect = {0, 1800, 3015, 855},
               //: The button's caption as the game opens, until the computer's first roll stops
               //: (a moment after the start). It must fit the button: about 200 pixels of a large
               //: heavy face (about 9 Latin letters, 5 CJK characters).
               .caption = {QT_TRANSLATE_NOOP("Form1", "Roll Dice")},
               .translated = true,
               .font = kButtonFont,
               .foreground = kBlack},
    ControlRow{.name = QLatin1StringView("winlose"),
               .kind = ControlKind::Label,
               .rect = {1080, 4080, 3015, 735},
               //: The result line before the first game has a result. It must fit a box about 200
               //: pixels wide in a bold monospaced face (12 characters; 7 CJK characters).
               .caption = {QT_TRANSLATE_NOOP("Form1", "Win?")},
               .translated = true,
               .font = kCaptionFont,
               .foreground = kBlack,
               .background = kResultBackground,
               .opaque = true,
               .align = TextAlign::Center,
               .shrinkToFit = true},
    // The scores grow without limit. Their boxes keep their right edges (5055) and reach left to just
    // past the captions beside them ("Computer" ends at 3735 + its overhang, "You" at about 2530), and a
    // score too wide for its box is drawn in a smaller size: whole, inside the cyan panel, never over the
    // caption. Up to three digits the picture is the same as in boxes 855 and 735 wide.
    score("yscore", {2580, 3360, 2475, 495}),
    score("cscore", {3780, 2760, 1275, 495}),
    label("Label3", {1800, 3360, 855, 495},
          //: The player's name beside the player's score. A box of 3 letters of a bold monospaced face
          //: (2 CJK characters); the score is drawn right after it.
          QT_TRANSLATE_NOOP3("Form1", "You", "score")),
    label("Label2", {1800, 2760, 1935, 495},
          //: The computer's name beside the computer's score. A box of 7 letters of a bold monospaced face
          //: (4 CJK characters); the score is drawn right after it.
          QT_TRANSLATE_NOOP3("Form1", "Computer", "score")),
    label("score", {120, 3120, 1455, 495},
          //: Heads the two scores. A box of 6 characters of a bold monospaced face (3 CJK characters).
          {QT_TRANSLATE_NOOP("Form1", "Score:")}),
    panel("Shape2", {0, 2640, 5295, 1455}),
    value("ytop", {4200, 1920, 855, 495}),
    label("You", {3120, 1200, 2055, 495},
          //: Heads the player's roll in the panel of rolls. A box of 8 letters of a bold monospaced face
          //: (4 CJK characters).
          QT_TRANSLATE_NOOP3("Form1", "You", "roll")),
    value("ctop", {4200, 600, 855, 495}),
    label("Comp", {3000, 0, 2295, 615},
          //: Heads the computer's roll in the panel of rolls. A box of 9 letters of a bold monospaced face
          //: (5 CJK characters).
          QT_TRANSLATE_NOOP3("Form1", "Computer", "roll")),
    panel("Shape1", {3000, 0, 2295, 2655}),
    ControlRow{.name = QLatin1StringView("Num"),
               .kind = ControlKind::Label,
               .rect = {1800, 0, 1215, 1815},
               .caption = {"4"},
               .font = kValueFont,
               .foreground = kBlack,
               .background = kGreen,
               .opaque = true,
               // The italic digit leans out past its right edge: at the left, it is drawn whole.
               .align = TextAlign::LeftInEveryDirection},
    // The pips form a three-by-three grid on the die at offsets 120, 600 and 1080.
    pip(0, 120, 120),
    pip(1, 1080, 120),
    pip(2, 120, 600),
    pip(3, 600, 600),
    pip(4, 1080, 600),
    pip(5, 120, 1080),
    pip(6, 1080, 1080),
    ControlRow{.name = QLatin1StringView("Die"),
               .kind = ControlKind::Shape,
               .rect = {0, 0, 1800, 1800},
               .background = kRed,
               .shape = ShapeKind::RoundedSquare,
               .outline = kBlack},
};

constexpr FormLayout kForm1{
    .name = QLatin1StringView("Form1"),
    .context = "Form1",
    .caption = u"Form1",
    .widthTwips = kForm1WidthTwips,
    .heightTwips = kForm1HeightTwips,
    .background = kWindowFace,
    .controls = kControls,
};

} // namespace

const FormLayout& form1Layout()
{
    return kForm1;
}
