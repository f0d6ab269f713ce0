#include "formbuilder.h"

#include "fonts.h"
#include "form.h"
#include "runtimeerror.h"

#include <QPalette>

namespace {

Qt::Alignment alignmentOf(TextAlign align)
{
    // Captions sit at the top of their label, as in the original forms.
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case TextAlign::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QFont fontOf(const FontSpec& font)
{
    return Fonts::font(QString(font.face), font.points, font.bold, font.italic);
}

QObject& create(Form& form, const ControlSpec& spec)
{
    switch (spec.kind) {
    case ControlKind::Timer: {
        auto* timer = new Timer(&form);
        timer->setInterval(spec.interval);
        return *timer;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(&form);
        button->setCaption(spec.caption.toString());
        button->setFont(fontOf(spec.font));
        return *button;
    }
    case ControlKind::Label: {
        auto* label = new Label(&form);
        label->setCaption(spec.caption.toString());
        label->setFont(fontOf(spec.font));
        label->setAlignment(alignmentOf(spec.align));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(spec.foreground));
        palette.setColor(QPalette::Window, QColor::fromRgb(spec.background));
        label->setPalette(palette);
        label->setAutoFillBackground(spec.opaque);
        return *label;
    }
    case ControlKind::Shape:
        return *new Shape(spec.shape, QColor::fromRgb(spec.background), QColor::fromRgb(spec.outline), &form);
    }
    throw RuntimeError("unknown control kind in layout");
}

} // namespace

namespace FormBuilder {

ControlSet build(Form& form, const FormSpec& spec)
{
    form.setObjectName(QString(spec.name));
    form.setCaption(spec.caption.toString());
    form.setFixedSize(Units::twipsToPixels(spec.widthTwips, spec.heightTwips));
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(spec.background));
    form.setPalette(palette);
    form.setAutoFillBackground(true);

    ControlSet controls;
    for (const ControlSpec& row : spec.controls) {
        QObject& control = create(form, row);
        const QString name(row.name);
        control.setObjectName(name);
        if (auto* widget = qobject_cast<QWidget*>(&control)) {
            widget->setGeometry(Units::twipsToPixels(row.rect));
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
