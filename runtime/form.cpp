// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "errorreport.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Assistive technology sees a plain QWidget as a client area. A form is the application's window (a
// frame to AT-SPI), named by its current title, which QAccessibleWidget already reads for windows.
QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("Form") && object != nullptr && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
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

void Form::dispatch(const std::function<void()>& handler)
{
    ErrorReport::run(handler);
}
