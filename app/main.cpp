// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaylossguard.h"
#include "form1.h"
#include "quitonstoprequest.h"
#include "splitmix64.h"
#include "startupguard.h"
#include "waylanddecorations.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace {

const QString kProgramName = QStringLiteral("highroll");

// Every size the resource holds, so each place the window manager shows the icon looks sharp. They are
// read as PNG by name: left to guess, Qt would load every image plugin to ask which one reads them,
// which costs about 15 ms of start-up.
QIcon applicationIcon()
{
    QIcon icon;
    for (const QFileInfo& rendering : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
        QImageReader reader(rendering.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    return icon;
}

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
    QApplication::setWindowIcon(applicationIcon());

    SplitMix64 random;
    // A window that cannot be built or loaded has been reported like a failing handler.
    const std::unique_ptr<Form1> window = Form::open<Form1>(random);
    if (window == nullptr) {
        return ErrorReport::kRuntimeErrorStatus;
    }
    window->show();
    return QApplication::exec();
}
