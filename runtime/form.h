// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "errorreport.h"

#include <functional>
#include <memory>
#include <utility>

#include <QString>
#include <QWidget>

// The window of a game: a fixed-size top-level widget whose caption is the window title, and the one
// place where events become handler calls. Every handler runs through dispatch(), so a RuntimeError (or
// any other exception) thrown inside it ends the handler and goes to the error report instead of
// unwinding through Qt's event loop.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);

    QString caption() const;
    void setCaption(const QString& caption);

    // Runs Form_Load once; the program calls it after building the controls and before showing the
    // window, so the handler runs before any click or tick can be delivered.
    void load();

    // Builds a form of type F and loads it, both through the error report: a failure in either (a
    // control missing from the layout, a failing Form_Load) is reported as a handler's failure is, and
    // gives nullptr. The program then ends with ErrorReport::kRuntimeErrorStatus.
    template <typename F, typename... Args> static std::unique_ptr<F> open(Args&&... args)
    {
        std::unique_ptr<F> form;
        const bool opened = ErrorReport::run([&] {
            form = std::make_unique<F>(std::forward<Args>(args)...);
            form->load();
        });
        return opened ? std::move(form) : nullptr;
    }

    // True once the window has been drawn for the first time.
    bool painted() const { return m_painted; }

signals:
    // Sent once, as the window's first picture is drawn (it is then on screen): for work the window
    // does not need before it appears.
    void firstPainted();

protected:
    virtual void Form_Load() {}

    // The timers of the form (its Timer children) are released when the window is first drawn: until
    // then they keep their intervals without ticking (see Timer::hold()).
    bool event(QEvent* event) override;

    // Connects signal of sender to a handler of the derived form, guarded by dispatch().
    template <typename Sender, typename Signal, typename Derived>
    void bindEvent(Sender* sender, Signal signal, void (Derived::*handler)())
    {
        auto* self = static_cast<Derived*>(this);
        connect(sender, signal, this, [self, handler] { dispatch([self, handler] { (self->*handler)(); }); });
    }

    static void dispatch(const std::function<void()>& handler);

private:
    bool m_loaded = false;
    bool m_painted = false;
};
