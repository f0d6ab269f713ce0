// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "abouttexts.h"

#include "buildinfo.h"

#include <QDir>
#include <QFileInfo>

QString AboutTexts::versionLine()
{
    return QLatin1String(BuildInfo::kProgram) + QLatin1Char(' ') + QLatin1String(BuildInfo::kVersion);
}

QString AboutTexts::description()
{
    //: The game in one sentence, under its name and version in the About box.
    return tr("A dice game: roll a die against the computer; the higher roll scores.");
}

QString AboutTexts::copyright()
{
    //: The copyright line of --version and the About box. %1 is the years ("2026"), %2 the copyright
    //: holders ("HighRoll maintainers", not translated). Keep the sign ©.
    return tr("Copyright © %1 %2")
        .arg(QLatin1String(BuildInfo::kCopyrightYears), QLatin1String(BuildInfo::kPublisher));
}

QStringList AboutTexts::licence()
{
    return {
        //: The licence line of --version and the About box, as GNU programs word it in your language
        //: ("License GPLv3+: GNU GPL version 3 or later <%1>."). %1 is the licence's address.
        tr("License GPLv3+: GNU GPL version 3 or later <%1>.").arg(licenceAddress()),
        //: After the licence line, as GNU programs word it.
        tr("This is free software: you are free to change and redistribute it."),
        //: After the licence line, as GNU programs word it ("There is NO WARRANTY, to the extent
        //: permitted by law."); the capitals are GNU's.
        tr("There is NO WARRANTY, to the extent permitted by law."),
    };
}

QString AboutTexts::licenceFile()
{
    // Installed beside the program: the licence the Windows folder carries, or the Debian package's
    // copyright file, which holds it.
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {QString::fromLatin1(BuildInfo::kLicenceFromProgram),
          QStringLiteral("../share/doc/%1/copyright").arg(QLatin1String(BuildInfo::kProgram))}) {
        const QFileInfo file(program.filePath(candidate));
        if (file.isFile()) {
            return QDir::toNativeSeparators(file.canonicalFilePath());
        }
    }
    return {};
}

QString AboutTexts::licenceAddress()
{
    return QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html");
}
