// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buildinfo.h"
#include "bundledfonts.h"
#include "commandline.h"
#include "displaylossguard.h"
#include "form1.h"
#include "helpmenu.h"
#include "quitonstoprequest.h"
#include "renderedicon.h"
#include "splitmix64.h"
#include "startupguard.h"
#include "terminal.h"
#include "translations.h"
#include "webpage.h"

#include <QApplication>
#include <QIcon>
#include <QShortcut>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QString::fromLatin1(BuildInfo::kName));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::kVersion));
    QApplication::setOrganizationName(QString::fromLatin1(BuildInfo::kName));
    // Before anything is written, and before Qt looks for a console to write its own words to.
    Terminal::attach();

    // Before anything needs a screen: --help and --version answer without one, as does a missing display.
    CommandLine::Reading commandLine = CommandLine::read(argc, argv);
    if (commandLine.endStatus) {
        return *commandLine.endStatus;
    }
    commandLine.display.prepare();
    StartupGuard startup(commandLine.display);
    // The game's application object.
    QApplication app(argc, argv);
    startup.finish();
    // Before any window exists, so every text is made in the player's language.
    Translations translations;
    translations.install();
    // A request to stop from outside (logout, a service manager, Ctrl+C, a closed terminal) ends the
    // game as closing its window does: status 0, everything torn down in order.
    const QuitOnStopRequest quitOnStopRequest;
    const DisplayLossGuard displayLoss(commandLine.display);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::kAppId));
    BundledFonts::load();

    SplitMix64 random;
    // A window that cannot be built or loaded has been reported like a failing handler.
    const std::unique_ptr<Form1> window = Form::open<Form1>(random);
    if (window == nullptr) {
        return ErrorReport::kRuntimeErrorStatus;
    }
    // Every size the resource holds, so each place the window manager shows the icon looks sharp. Reading
    // them and handing them to the window system is costly (docs/benchmark.md), and the window does not
    // need its icon to appear: the icon is set once the first picture is complete (queued after it), and
    // the window manager reads it when it changes.
    QObject::connect(
        window.get(), &Form::firstPainted, &app,
        [] { QApplication::setWindowIcon(QIcon(new RenderedIcon(QStringLiteral(":/icons")))); },
        Qt::QueuedConnection);
    // The Quit keys (Ctrl+Q) close the window, as its close button does; nothing is added to the window
    // and no control loses the focus.
    const QShortcut quit(HelpMenu::quitKeys(), window.get(), window.get(), &QWidget::close);
    // F1 and the window's context menu: the rules, the About box and Quit.
    HelpMenu help(*window);
    WebPage::follow(*window);
    // At its own size, whatever the platform would rather do with a first window: in a web page Qt shows
    // it full-screen otherwise.
    window->showNormal();
    return QApplication::exec();
}
