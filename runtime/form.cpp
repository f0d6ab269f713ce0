// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "errorreport.h"
#include "timer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>

namespace {

// Assistive technology sees a plain QWidget as a client area. A form is the application's window (a
// frame to AT-SPI). Its title may scroll or be spaced out letter by letter, which a screen reader would
// spell; the window is therefore named after the application, unless it has an accessible name of its own.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* form)
        : QAccessibleWidget(form, QAccessible::Window)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return QGuiApplication::applicationDisplayName();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("Form") && object != nullptr && object->isWidgetType()) {
        return new FormAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(formAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

QString Form::caption() const
{
    return windowTitle();
}

void Form::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void Form::load()
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    dispatch([this] { Form_Load(); });
}

bool Form::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The window's own paint comes first in a repaint, its controls' paints follow in the same pass, and
    // a tick is only ever delivered between passes: the first tick comes after the whole first picture.
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        for (Timer* timer : findChildren<Timer*>(Qt::FindDirectChildrenOnly)) {
            timer->release();
        }
        emit firstPainted();
    }
    return handled;
}

void Form::dispatch(const std::function<void()>& handler)
{
    ErrorReport::run(handler);
}
