#include "form1.h"
#include "splitmix64.h"
#include "startupguard.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("HighRoll"));
    QApplication::setApplicationVersion(QStringLiteral(HIGHROLL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("HighRoll"));

    StartupGuard startup(QStringLiteral("highroll"));
    if (!startup.displayConfigured()) {
        return StartupGuard::kNoDisplayStatus;
    }
    QApplication app(argc, argv);
    startup.finish();
    QGuiApplication::setDesktopFileName(QStringLiteral(HIGHROLL_APP_ID));

    SplitMix64 random;
    Form1 window(random);
    window.load();
    window.show();
    return QApplication::exec();
}
