// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "consolestreams.h"
#include "translations.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QCommandLineParser>

namespace {

// The options Qt's GUI, its widgets and its platforms read from the command line, by name. Qt takes
// them out of the arguments when it makes the application; this command line is read before that, so
// it must know them to let them pass. Qt describes them itself (--help-all).
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"reverse", false},
    {"session", true},
    {"display", true},
    {"name", true},
    {"geometry", true},
    {"title", true},
    {"icon", true},
    {"visual", true},
    {"style", true},
    {"stylesheet", true},
    {"widgetcount", false},
    {"qmljsdebugger", true},
    {"sync", false},
    {"nograb", false},
    {"dograb", false},
};

const QString kProgram = QStringLiteral("highroll");

// The program's own options, and Qt's (hidden: Qt lists them itself under --help-all).
struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
};

Options define(QCommandLineParser& parser, bool withQtOptions)
{
    // Qt's options are single words after one dash (-platform xcb), and so are the program's.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: The first line of --help, after the usage line.
    parser.setApplicationDescription(
        CommandLine::tr("A dice game: roll a die against the computer; the higher roll scores."));
    const QCommandLineOption help = parser.addHelpOption();
    // lupdate keeps a translator comment only on the line right before the tr() call.
    //: The description of -v, --version in --help.
    const QString versionDescription = CommandLine::tr("Prints the program's name and version.");
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, versionDescription);
    parser.addOption(version);
    for (const QtOption& qt : kQtOptions) {
        if (!withQtOptions) {
            break;
        }
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue) {
            option.setValueName(QStringLiteral("value"));
        }
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    return {help, version};
}

int usageError(const QString& problem)
{
    //: After a mistake on the command line, on the same line. %1 is the program's name.
    const QString hint = CommandLine::tr("Try '%1 --help' for the options.").arg(kProgram);
    ConsoleStreams::write(stderr, QStringLiteral("%1: %2 %3\n").arg(kProgram, problem, hint));
    return CommandLine::kUsageErrorStatus;
}

// Qt lists its own options itself, in its own words, for the kind of application the game makes; the
// "minimal" platform needs no display (Windows has no such plugin, and always has its desktop).
[[noreturn]] void printHelpWithQtOptions(char* program)
{
    char helpAll[] = "--help-all";
    std::vector<char*> arguments{program, helpAll};
#ifndef Q_OS_WIN
    char platform[] = "-platform";
    char minimal[] = "minimal";
    arguments.push_back(platform);
    arguments.push_back(minimal);
#endif
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    const QApplication application(count, arguments.data());
    Translations translations;
    translations.install();
    QCommandLineParser parser;
    define(parser, false);
    // Prints the help with Qt's options and ends the program with status 0.
    parser.process(QCoreApplication::arguments());
    std::exit(0);
}

} // namespace

CommandLine::Reading CommandLine::read(int argc, char* argv[])
{
    Reading reading;
    if (argc <= 1) {
        return reading;
    }
    // Before anything is written, and before Qt looks for a console to write its own help to.
    ConsoleStreams::attach();
    bool helpWithQtOptions = false;
    {
        // The application object finds the player's language, for the program's words and Qt's.
        const QCoreApplication application(argc, argv);
        Translations translations;
        translations.install();
        QCommandLineParser parser;
        const Options options = define(parser, true);
        const bool parsed = parser.parse(QCoreApplication::arguments());
        reading.choosesPlatform = parsed && parser.isSet(QStringLiteral("platform"));
        if (!parsed) {
            reading.endStatus = usageError(parser.errorText());
        } else if (!parser.positionalArguments().isEmpty()) {
            //: A word on the command line that is not an option. %1 is the word.
            reading.endStatus =
                usageError(tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
        } else if (parser.isSet(QStringLiteral("help-all"))) {
            helpWithQtOptions = true;
        } else if (parser.isSet(options.help)) {
            ConsoleStreams::write(stdout, parser.helpText());
            reading.endStatus = 0;
        } else if (parser.isSet(options.version)) {
            ConsoleStreams::write(stdout, kProgram + QLatin1Char(' ') +
                                              QCoreApplication::applicationVersion() + QLatin1Char('\n'));
            reading.endStatus = 0;
        }
    }
    if (helpWithQtOptions) {
        printHelpWithQtOptions(argv[0]);
    }
    return reading;
}
