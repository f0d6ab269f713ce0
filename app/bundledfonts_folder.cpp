// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows, and in a web page, the look-alikes are files in fonts/ beside the program (the page copies
// them into the program's file system before it starts), registered for this process only.
#include "bundledfonts.h"
#include "logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace BundledFonts {

void load()
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const QStringList files =
        folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString path = folder.filePath(file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            qCWarning(lcFonts).noquote() << "cannot load the font" << QDir::toNativeSeparators(path);
            continue;
        }
        qCDebug(lcFonts).noquote() << "registered"
                                   << QFontDatabase::applicationFontFamilies(id).join(QStringLiteral(", "))
                                   << "from" << file;
    }
}

} // namespace BundledFonts
