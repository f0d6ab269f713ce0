// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// The installed program's window, on a real X server, is the one its desktop entry describes: its
// WM_CLASS matches StartupWMClass, so desktops group it under the launcher, and it carries the
// application icon in _NET_WM_ICON.
#include "buildinfo.h"
#include "gameprocess.h"
#include "x11desktop.h"
#include "xvfbserver.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The value of key in the desktop entry's text; empty when the key is missing.
QString entryValue(const QString& entry, const QString& key)
{
    for (const QString& line : entry.split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char('='))) {
            return line.mid(key.size() + 1).trimmed();
        }
    }
    return {};
}

// The pixel at (x, y) in 128ths of the image.
QRgb pixelAt(const QImage& image, int x, int y)
{
    return image.pixel(x * image.width() / 128, y * image.height() / 128);
}

TEST(Packaging, windowMatchesDesktopEntry)
{
    const QString prefix = QStringLiteral(HIGHROLL_INSTALL_PREFIX);
    QFile desktopFile(prefix +
                      QStringLiteral("/share/applications/%1.desktop").arg(QLatin1String(BuildInfo::kAppId)));
    ASSERT_TRUE(desktopFile.open(QIODevice::ReadOnly))
        << "not installed: " << desktopFile.fileName().toStdString();
    const QString entry = QString::fromUtf8(desktopFile.readAll());
    const QString program = entryValue(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    const QString startupWmClass = entryValue(entry, QStringLiteral("StartupWMClass"));
    ASSERT_FALSE(program.isEmpty());
    ASSERT_FALSE(startupWmClass.isEmpty());

    XvfbServer server;
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    GameProcess game({.environment = GameProcess::onX11(server.display()),
                      .program = prefix + QStringLiteral("/bin/") + program});
    ASSERT_TRUE(game.start());
    X11Desktop desktop(server.display());
    ASSERT_TRUE(desktop.connected());
    X11Desktop::Window window = 0;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (window = desktop.windowOf(game.pid())) != 0 || !game.running(); },
                        kHangLimitMs) &&
        window != 0)
        << "no window of the program appeared: " << game.stderrText().toStdString();

    // Instance: the program's name; class: StartupWMClass.
    EXPECT_EQ(desktop.wmClass(window).join(QLatin1Char(' ')).toStdString(),
              (program + QLatin1Char(' ') + startupWmClass).toStdString());

    // The program sets its icon once the window is on screen.
    QImage icon;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(icon = desktop.icon(window)).isNull(); }, kHangLimitMs))
        << "the window has no icon";
    EXPECT_GE(icon.width(), 16);
    EXPECT_EQ(icon.width(), icon.height());
    // The centre pip of the die is opaque white; the face between two pips is opaque and red.
    EXPECT_EQ(pixelAt(icon, 64, 58), 0xffffffffU) << "the icon's centre is not a white pip";
    const QRgb face = pixelAt(icon, 64, 32);
    EXPECT_TRUE(qAlpha(face) == 255 && qRed(face) > 150 && qGreen(face) < 100 && qBlue(face) < 100)
        << "the icon's face is " << std::hex << face << ", not red";
}

} // namespace
