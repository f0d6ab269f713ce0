// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorreport.h"

#include "runtimeerror.h"
#include "terminal.h"

#include <new>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>

namespace ErrorReport {
namespace {

bool g_halted = false;

// Not on platforms with nobody looking at them: a modal box there would only hang the program. Nor in a
// web page, where a modal box cannot wait (the page's event loop is the browser's): the page shows the
// message instead, from the line on the terminal, once the program has ended.
bool canShowModalBox()
{
#ifdef Q_OS_WASM
    return false;
#else
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
#endif
}

} // namespace

void report(const QString& message)
{
    if (g_halted) {
        return;
    }
    g_halted = true;

    //: The line on the terminal; %1 says what went wrong (often in English: the program's own words).
    Terminal::say(QCoreApplication::translate("ErrorReport", "run-time error: %1").arg(message));

    if (canShowModalBox()) {
        QMessageBox::critical(
            nullptr, QCoreApplication::applicationName(),
            //: The message box's text; %1 says what went wrong (often in English: the program's own words).
            QCoreApplication::translate("ErrorReport", "The game stopped because of an internal error:\n\n%1")
                .arg(message));
    }

    // Unwind through the event loop so that the window and the application close normally. Before the
    // loop runs, run() returns false and its caller ends the program.
    if (QCoreApplication::instance() != nullptr && QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(kRuntimeErrorStatus);
    }
}

bool run(const std::function<void()>& code)
{
    if (g_halted) {
        return false;
    }
    try {
        code();
    } catch (const RuntimeError& error) {
        report(QString::fromStdString(error.what()));
    } catch (const std::bad_alloc&) {
        report(QCoreApplication::translate("ErrorReport", "out of memory"));
    } catch (const std::exception& error) {
        report(QString::fromStdString(error.what()));
    }
    return !g_halted;
}

bool handlersHalted()
{
    return g_halted;
}

} // namespace ErrorReport
