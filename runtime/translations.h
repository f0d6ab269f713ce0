// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qtcatalogue.h"

#include <memory>

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The message catalogues of the player's language: the program's own (highroll_<language>.qm) and Qt's
// (qtbase_<language>.qm, which words the standard buttons of a message box and the command line's help,
// read only when one of them is shown: QtCatalogue). Installing them also lays the application out in
// the language's direction: right to left for Arabic, Hebrew and Persian. The program is written in
// English; a language without a catalogue, or whose catalogue is missing, empty or damaged, shows
// every text as written, left to right.
class Translations {
    Q_DECLARE_TR_FUNCTIONS(Translations)

public:
    // The catalogue file names start with this; the language follows an underscore.
    static inline const QString kCatalogue = QStringLiteral("highroll");

    // Takes the first of languages (most preferred first, as QLocale::uiLanguages() lists them, "de-DE"
    // or "pt_BR") that is English or has a catalogue in one of directories, trying each language from
    // its full name down to its base ("pt-BR", then "pt"), and loads that catalogue (Qt's for the same
    // language is found as it is first needed). Nothing is installed yet.
    Translations(const QStringList& languages, const QStringList& directories);
    // The player's languages, from the program's own directories.
    Translations();
    ~Translations();

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the loaded catalogue, as its file names it ("de", "pt_BR"); empty for English.
    QString language() const { return m_language; }

    // The loaded language's name, in that language; empty for English.
    QString languageName() const;

    // A text in the loaded language, without installing anything: for the few messages written while
    // the application is still being made, before install() can run.
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr) const;

    // Makes the catalogues the application's (QCoreApplication::translate() and tr() use them) until this
    // object is destroyed, and with them the language's layout direction (unless the application's was
    // set explicitly; Qt's -reverse turns it around). Needs the application object.
    void install();

    // Where the program's catalogues are: found from the program's own place, so the same program finds
    // them in its build tree, installed under any prefix, or unpacked beside it on Windows. Needs the
    // application object; empty without one.
    static QStringList programDirectories();

private:
    QTranslator m_program;
    // Made once the language is known.
    std::unique_ptr<QtCatalogue> m_qt;
    QString m_language;
    bool m_installed = false;
};
