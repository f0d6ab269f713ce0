// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaylossguard.h"
#include "form1.h"
#include "quitonsignal.h"
#include "splitmix64.h"
#include "startupguard.h"
#ifdef HIGHROLL_WAYLAND_PROBE
#include "waylanddecorations.h"
#endif

#include <csignal>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("HighRoll"));
    QApplication::setApplicationVersion(QStringLiteral(HIGHROLL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("HighRoll"));

    StartupGuard startup(QStringLiteral("highroll"));
    if (!startup.displayConfigured()) {
        return StartupGuard::kNoDisplayStatus;
    }
#ifdef HIGHROLL_WAYLAND_PROBE
    WaylandDecorations::configure();
#endif
    QApplication app(argc, argv);
    startup.finish();
    // A request to stop from outside (logout, a service manager, Ctrl+C, a closed terminal) ends the
    // game as closing its window does: status 0, everything torn down in order.
    const QuitOnSignal quitOnSignal({SIGTERM, SIGINT, SIGHUP});
    const DisplayLossGuard displayLoss(QStringLiteral("highroll"));
    QGuiApplication::setDesktopFileName(QStringLiteral(HIGHROLL_APP_ID));
    // Every size the resource holds, so each place the window manager shows the icon looks sharp. They
    // are read as PNG by name: left to guess, Qt would load every image plugin to ask which one reads
    // them, which costs about 15 ms of start-up.
    QIcon icon;
    for (const QFileInfo& rendering : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
        QImageReader reader(rendering.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    QApplication::setWindowIcon(icon);

    SplitMix64 random;
    Form1 window(random);
    window.load();
    window.show();
    return QApplication::exec();
}
