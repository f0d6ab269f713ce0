// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the program says of itself, in the player's language: the same lines in `--version` and in the
// About box, so the two cannot tell different stories.
class AboutTexts {
    Q_DECLARE_TR_FUNCTIONS(AboutTexts)

public:
    // "highroll 1.0.0": the program's command name and version.
    static QString versionLine();
    // The game in one line.
    static QString description();
    // The copyright line: the years and the holders.
    static QString copyright();
    // That the program is free software under the GNU GPL version 3 or later, with no warranty: the
    // lines GNU programs print after their version.
    static QStringList licence();
    // Where the licence's text is installed beside the program, or empty where none is found.
    static QString licenceFile();
    // The GPL's own address on the web.
    static QString licenceAddress();
};
