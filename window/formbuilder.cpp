// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formbuilder.h"

#include "fonts.h"
#include "form.h"
#include "runtimeerror.h"

#include <QCoreApplication>
#include <QPalette>
#include <QStyle>

namespace {

QFont fontOf(const FontChoice& font)
{
    return Fonts::font(QString(font.face), font.points, font.bold, font.italic);
}

QString captionOf(const FormLayout& layout, const ControlRow& row)
{
    if (!row.translated) {
        return QString::fromUtf8(row.caption.text);
    }
    return QCoreApplication::translate(layout.context, row.caption.text, row.caption.disambiguation);
}

QObject& create(Form& form, const FormLayout& layout, const ControlRow& row)
{
    switch (row.kind) {
    case ControlKind::Timer: {
        auto* timer = new Timer(&form);
        // Until the window is first drawn (Form releases its timers then), ticks would change a picture
        // the player has not yet seen.
        if (!form.painted()) {
            timer->hold();
        }
        timer->setInterval(row.interval);
        return *timer;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(&form);
        button->setCaption(captionOf(layout, row));
        button->setFont(fontOf(row.font));
        return *button;
    }
    case ControlKind::Label: {
        auto* label = new Label(&form);
        label->setCaption(captionOf(layout, row));
        label->setFont(fontOf(row.font));
        label->setAlignment(alignmentOf(row.align, form.layoutDirection()));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(row.foreground));
        palette.setColor(QPalette::Window, QColor::fromRgb(row.background));
        label->setPalette(palette);
        label->setAutoFillBackground(row.opaque);
        label->setShrinkToFit(row.shrinkToFit);
        return *label;
    }
    case ControlKind::Shape:
        return *new Shape(row.shape, QColor::fromRgb(row.background), QColor::fromRgb(row.outline), &form);
    }
    throw RuntimeError("unknown control kind in layout");
}

} // namespace

namespace FormBuilder {

ControlSet build(Form& form, const FormLayout& layout)
{
    form.setObjectName(QString(layout.name));
    form.setCaption(layout.caption.toString());
    const QRect client(QPoint(0, 0), Units::twipsToPixels(layout.widthTwips, layout.heightTwips));
    form.setFixedSize(client.size());
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(layout.background));
    form.setPalette(palette);
    form.setAutoFillBackground(true);

    ControlSet controls;
    for (const ControlRow& row : layout.controls) {
        QObject& control = create(form, layout, row);
        const QString name(row.name);
        control.setObjectName(name);
        if (auto* widget = qobject_cast<QWidget*>(&control)) {
            // The table is drawn left to right. A window laid out right to left (the player's language
            // is written so, or Qt's -reverse) is its mirror image: each rectangle reflected about the
            // window's vertical centre line, in pixels, so the two halves match to the pixel.
            widget->setGeometry(
                QStyle::visualRect(form.layoutDirection(), client, Units::twipsToPixels(row.rect)));
            // Rows come top of the stack first: each new control goes beneath all that came before.
            widget->lower();
        }
        if (row.index < 0) {
            controls.add(name, control);
        } else if (auto* shape = qobject_cast<Shape*>(&control)) {
            controls.addToArray(name, row.index, *shape);
        } else {
            throw RuntimeError("control arrays hold shapes only: " + name.toStdString());
        }
    }
    return controls;
}

} // namespace FormBuilder
