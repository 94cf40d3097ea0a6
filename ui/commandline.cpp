#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// The options that Qt's GUI application takes for itself, each with or without a value. They
// are accepted here, hidden from --help, and left for the QApplication to act on.
constexpr const char* kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger",
};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addHidden(QCommandLineParser& parser, const char* name, bool withValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (withValue)
        option.setValueName("value");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[])
{
    CommandLine line{qEnvironmentVariable("QT_QPA_PLATFORM"), std::nullopt};
    if (argc <= 1) // as the desktop starts it: nothing to read
        return line;

    // A core application of its own, gone before the GUI one is made: it names the program in
    // the usage line and touches no display.
    QCoreApplication reader(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("TAVROK Tic-Tac-Toe: noughts and crosses against the computer.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char* name : kQtOptionsWithValue)
        addHidden(parser, name, true);
    for (const char* name : kQtFlags)
        addHidden(parser, name, false);

    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString error = parsed ? "Unexpected argument '" + parser.positionalArguments().first() + "'."
                                     : parser.errorText();
        std::fprintf(stderr, "%s: %s\n%s", qPrintable(QCoreApplication::applicationName()), qPrintable(error),
                     qPrintable(parser.helpText()));
        line.exitStatus = 2;
    } else if (parser.isSet(help) || parser.isSet("help-all")) {
        std::printf("%s", qPrintable(parser.helpText()));
        line.exitStatus = 0;
    } else if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        line.exitStatus = 0;
    }
    if (parser.isSet("platform"))
        line.platform = parser.value("platform");
    return line;
}
