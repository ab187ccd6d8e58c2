#include "app/CommandLine.h"
#include "store/ProgramTitle.h"

#include <QCommandLineParser>

namespace app {

namespace {
// QGuiApplication's and QApplication's documented options: the application
// object takes them out of argv later, so they must not count as unknown here.
const char* const qtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",      "style",
    "stylesheet"};
const char* const qtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
} // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"), not clusters of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help", "?"});
    const QCommandLineOption version(QStringList{"v", "version"});
    const QCommandLineOption home("home", QString(), "DIR");
    const QCommandLineOption noCreate("no-create");
    const QCommandLineOption logWire("log-wire", QString(), "FILE");
    const QCommandLineOption lang("lang", QString(), "LANG");
    parser.addOptions({help, version, home, noCreate, logWire, lang});
    for (const char* name : qtValueOptions) parser.addOption(QCommandLineOption(name, QString(), "VALUE"));
    for (const char* name : qtFlagOptions) parser.addOption(QCommandLineOption(name));

    CommandLine result;
    auto refuse = [&](const QString& why) {
        result.action = Action::Error;
        result.error = why;
        return result;
    };
    if (!parser.parse(arguments)) return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    if (parser.isSet(help)) return result.action = Action::Help, result;
    if (parser.isSet(version)) return result.action = Action::Version, result;
    if (parser.isSet(home)) {
        result.home = parser.value(home);
        if (result.home.isEmpty()) return refuse(QStringLiteral("--home needs a folder."));
    }
    if (parser.isSet(logWire)) {
        result.logWire = parser.value(logWire);
        if (result.logWire.isEmpty()) return refuse(QStringLiteral("--log-wire needs a file."));
    }
    if (parser.isSet(lang)) {
        result.language = languageNamed(parser.value(lang));
        if (!result.language)
            return refuse(
                QStringLiteral("--lang needs ru, en or described, not '%1'.").arg(parser.value(lang)));
    }
    result.noCreate = parser.isSet(noCreate);
    result.platform = parser.value(QStringLiteral("platform"));
    return result;
}

QString CommandLine::version() { return store::programTitle(); }

QString CommandLine::usage() {
    return QStringLiteral("Usage: echolon [options]\n") + store::programTitle() +
           QStringLiteral(", the desktop companion of the KMX pulse reflectometers.\n"
                          "\n"
                          "Options:\n"
                          "  --home DIR     the program folder: the waveform library (Data/), its\n"
                          "                 backup (Save/) and the settings (Echolon.v41)\n"
                          "  --no-create    end instead of offering to create a --home folder that\n"
                          "                 does not exist\n"
                          "  --log-wire FILE\n"
                          "                 the wire log: every frame sent to and received from the\n"
                          "                 instrument, with its time, into FILE (without it,\n"
                          "                 QT_LOGGING_RULES=echolon.wire.debug=true logs them to stderr)\n"
                          "  --lang LANG    the language of the windows: ru (Russian), en (English) or\n"
                          "                 described (the texts as written, untranslated); without it,\n"
                          "                 from LC_ALL, LC_MESSAGES or LANG (ru*, en*, else described)\n"
                          "  -h, --help     show this help and end\n"
                          "  -v, --version  show the version and end\n"
                          "Qt's own options (-platform NAME, -style NAME, ...) are passed to Qt.\n"
                          "\n"
                          "The program folder is --home DIR; else $ECHOLON_HOME; else the executable's\n"
                          "folder when it already holds Echolon.v41 or Data/ (a portable copy); else\n"
                          "$XDG_DATA_HOME/echolon (~/.local/share/echolon), created on first start.\n"
                          "One copy of the program at a time works on a program folder.\n"
                          "The path of the library last opened is kept in\n"
                          "$XDG_CONFIG_HOME/echolon/odbc.ini (~/.config/echolon/odbc.ini).\n"
                          "\n"
                          "Exit status: 0 normal end; 1 the waveform library cannot be opened;\n"
                          "2 wrong command line, or no usable program folder or display;\n"
                          "3 another copy of the program works on the program folder.\n");
}

} // namespace app
