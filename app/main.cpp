// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bundledfonts.h"
#include "displaylossguard.h"
#include "form1.h"
#include "quitonstoprequest.h"
#include "renderedicon.h"
#include "splitmix64.h"
#include "startupguard.h"
#include "waylanddecorations.h"

#include <QApplication>
#include <QIcon>

namespace {

const QString kProgramName = QStringLiteral("highroll");

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("HighRoll"));
    QApplication::setApplicationVersion(QStringLiteral(HIGHROLL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("HighRoll"));

    StartupGuard startup(kProgramName);
    if (!startup.displayConfigured()) {
        return StartupGuard::kNoDisplayStatus;
    }
    WaylandDecorations::configure();
    QApplication app(argc, argv);
    startup.finish();
    // A request to stop from outside (logout, a service manager, Ctrl+C, a closed terminal) ends the
    // game as closing its window does: status 0, everything torn down in order.
    const QuitOnStopRequest quitOnStopRequest;
    const DisplayLossGuard displayLoss(kProgramName);
    QGuiApplication::setDesktopFileName(QStringLiteral(HIGHROLL_APP_ID));
    BundledFonts::load();

    SplitMix64 random;
    // A window that cannot be built or loaded has been reported like a failing handler.
    const std::unique_ptr<Form1> window = Form::open<Form1>(random);
    if (window == nullptr) {
        return ErrorReport::kRuntimeErrorStatus;
    }
    // Every size the resource holds, so each place the window manager shows the icon looks sharp. Reading
    // them and handing them to the window system is about a quarter of what the program does before its
    // window appears, and the window does not need its icon to appear: the icon is set once the first
    // picture is complete (queued after it), and the window manager reads it when it changes.
    QObject::connect(
        window.get(), &Form::firstPainted, &app,
        [] { QApplication::setWindowIcon(QIcon(new RenderedIcon(QStringLiteral(":/icons")))); },
        Qt::QueuedConnection);
    window->show();
    return QApplication::exec();
}
