// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "abouttexts.h"
#include "buildinfo.h"
#include "startupguard.h"
#include "terminal.h"
#include "translations.h"

#include <algorithm>
#include <cstring>
#include <memory>
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

// The program's own options, and Qt's (hidden: Qt lists them itself under --help-all).
struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
};

Options define(QCommandLineParser& parser)
{
    // Qt's options are single words after one dash (-platform xcb), and so are the program's.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(AboutTexts::description());
    const QCommandLineOption help = parser.addHelpOption();
    // lupdate keeps a translator comment only on the line right before the tr() call.
    //: The description of -v, --version in --help.
    const QString versionDescription = CommandLine::tr("Prints the program's name and version.");
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, versionDescription);
    parser.addOption(version);
    for (const QtOption& qt : kQtOptions) {
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
    const QString hint =
        CommandLine::tr("Try '%1 --help' for the options.").arg(QLatin1String(BuildInfo::kProgram));
    Terminal::say(problem + QLatin1Char(' ') + hint);
    return CommandLine::kUsageErrorStatus;
}

// Qt lists its own options under --help-all for the kind of application it is in.
bool asksForHelpAll(int argc, char* argv[])
{
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "--help-all") == 0 || std::strcmp(argument, "-help-all") == 0;
    });
}

} // namespace

CommandLine::Reading CommandLine::read(int argc, char* argv[])
{
    Reading reading;
    if (argc <= 1 && reading.display.available()) {
        return reading;
    }
    // The one application object before the game's, for an answer without a window: it finds the
    // player's language. For --help-all a QApplication, on the "minimal" platform, which needs no display
    // (Windows has no such plugin, and always has its desktop), so that Qt lists its widgets' options.
    const bool helpAll = asksForHelpAll(argc, argv);
    std::vector<char*> arguments(argv, argv + argc);
#ifndef Q_OS_WIN
    static char platform[] = "-platform";
    static char minimal[] = "minimal";
    if (helpAll) {
        arguments.insert(arguments.end(), {platform, minimal});
    }
#endif
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    std::unique_ptr<QCoreApplication> application;
    if (helpAll) {
        application = std::make_unique<QApplication>(count, arguments.data());
    } else {
        application = std::make_unique<QCoreApplication>(count, arguments.data());
    }
    Translations translations;
    translations.install();
    QCommandLineParser parser;
    const Options options = define(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        reading.endStatus = usageError(parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        //: A word on the command line that is not an option. %1 is the word.
        reading.endStatus =
            usageError(tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    } else if (parser.isSet(QStringLiteral("help-all"))) {
        // Prints the help with Qt's options and ends the program with status 0.
        parser.process(QCoreApplication::arguments());
    } else if (parser.isSet(options.help)) {
        Terminal::write(stdout, parser.helpText());
        reading.endStatus = 0;
    } else if (parser.isSet(options.version)) {
        // As GNU programs answer: the name and version, the copyright, the licence and the warranty.
        const QStringList lines =
            QStringList{AboutTexts::versionLine(), AboutTexts::copyright()} + AboutTexts::licence();
        Terminal::write(stdout, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        reading.endStatus = 0;
    } else {
        reading.display =
            DisplayChoice(parser.value(QStringLiteral("platform")), parser.value(QStringLiteral("display")));
        if (!reading.display.available()) {
            StartupGuard::reportNoDisplay();
            reading.endStatus = StartupGuard::kNoDisplayStatus;
        }
    }
    return reading;
}
