// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include "buildinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// "pt-Latn-BR" -> pt_Latn_BR, pt_Latn, pt: the names a catalogue of that language may have, most
// particular first.
QStringList namesOf(QString language)
{
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names;
    while (!language.isEmpty()) {
        names << language;
        const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
        language.truncate(cut < 0 ? 0 : cut);
    }
    return names;
}

// The program's own words are English: no catalogue is wanted for it, and it ends the search, so a
// player who prefers English to a language that has a catalogue gets English.
bool isEnglish(const QString& language)
{
    return language == QLatin1String("C") || language == QLatin1String("en") ||
           language.startsWith(QLatin1String("en-")) || language.startsWith(QLatin1String("en_"));
}

QString catalogueFile(const QString& catalogue, const QString& language, const QString& directory)
{
    return QDir(directory).filePath(catalogue + QLatin1Char('_') + language + QLatin1String(".qm"));
}

// Where Qt's catalogue of language may be: Qt's own folder first, then the program's (Windows ships it
// beside the program's), each from the language's full name down to its base.
QStringList qtCatalogueFiles(const QString& language, const QStringList& programDirectories)
{
    const QStringList directories =
        QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)} + programDirectories;
    QStringList files;
    for (const QString& name : namesOf(language)) {
        for (const QString& directory : directories) {
            files << catalogueFile(QStringLiteral("qtbase"), name, directory);
        }
    }
    return files;
}

} // namespace

Translations::Translations(const QStringList& languages, const QStringList& directories)
{
    for (const QString& language : languages) {
        if (isEnglish(language)) {
            return;
        }
        for (const QString& name : namesOf(language)) {
            for (const QString& directory : directories) {
                const QString file = catalogueFile(kCatalogue, name, directory);
                if (!QFileInfo::exists(file)) {
                    continue;
                }
                // The player's language has a catalogue: it is used, or English if it cannot be read,
                // never a mixture of a broken catalogue and the next language.
                if (!m_program.load(file) || m_program.isEmpty() || languageName().isEmpty()) {
                    qWarning("The message catalogue %s cannot be read; the game is shown in English.",
                             qPrintable(QDir::toNativeSeparators(file)));
                    (void)m_program.load(QString()); // drops whatever was read before the fault
                    return;
                }
                m_language = name;
                m_qt = std::make_unique<QtCatalogue>(name, qtCatalogueFiles(name, directories));
                return;
            }
        }
    }
}

Translations::Translations()
    : Translations(QLocale::system().uiLanguages(), programDirectories())
{}

Translations::~Translations()
{
    if (m_installed && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(m_qt.get());
        QCoreApplication::removeTranslator(&m_program);
    }
}

QString Translations::languageName() const
{
    //: The name of this catalogue's language, in that language ("Deutsch", "日本語"). Every catalogue
    //: has it: a catalogue that cannot give it is taken as damaged and the game stays in English.
    const char* const name = QT_TRANSLATE_NOOP("Translations", "English");
    return m_program.translate("Translations", name);
}

QString Translations::translate(const char* context, const char* source, const char* disambiguation) const
{
    const QString text = m_program.translate(context, source, disambiguation);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

void Translations::install()
{
    if (m_installed || m_language.isEmpty() || QCoreApplication::instance() == nullptr) {
        return;
    }
    m_installed = true;
    // Qt's words are read only when Qt first asks for one; installing them asks only which way the
    // language is written, which sets the application's layout direction.
    QCoreApplication::installTranslator(m_qt.get());
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(&m_program);
}

QStringList Translations::programDirectories()
{
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return {QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                            QLatin1String(BuildInfo::kTranslationsFromProgram))};
}
