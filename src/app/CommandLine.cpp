#include "app/CommandLine.h"
#include "store/Numbers.h"
#include "store/ProgramTitle.h"
#include "store/ShownValues.h"

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
    const QCommandLineOption recId("rec-id", QString(), "N");
    const QCommandLineOption all("all");
    const QCommandLineOption format("format", QString(), "FORMAT");
    const QCommandLineOption out("out", QString(), "FILE");
    const QCommandLineOption pr("pr", QString(), "PR");
    const QCommandLineOption events("events");
    const QCommandLineOption from("from", QString(), "FILE_OR_URL");
    const QCommandLineOption to("to", QString(), "FILE_OR_URL");
    parser.addOptions(
        {help, version, home, noCreate, logWire, lang, recId, all, format, out, pr, events, from, to});
    for (const char* name : qtValueOptions) parser.addOption(QCommandLineOption(name, QString(), "VALUE"));
    for (const char* name : qtFlagOptions) parser.addOption(QCommandLineOption(name));

    CommandLine result;
    auto refuse = [&](const QString& why) {
        result.action = Action::Error;
        result.error = why;
        return result;
    };
    if (!parser.parse(arguments)) return refuse(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    const bool exporting = positional.value(0) == QLatin1String("export");
    const bool copying = positional.value(0) == QLatin1String("copy-library");
    const int commands = exporting || copying ? 1 : 0;
    if (positional.size() > commands)
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(positional.value(commands)));
    if (parser.isSet(help)) return result.action = Action::Help, result;
    if (!exporting && (parser.isSet(recId) || parser.isSet(all) || parser.isSet(format) ||
                       parser.isSet(out) || parser.isSet(pr) || parser.isSet(events)))
        return refuse(QStringLiteral(
            "--rec-id, --all, --format, --out, --pr and --events belong to 'echolon export'."));
    if (!copying && (parser.isSet(from) || parser.isSet(to)))
        return refuse(QStringLiteral("--from and --to belong to 'echolon copy-library'."));
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
    if (exporting) {
        ExportRequest& request = result.exportRequest;
        if (parser.isSet(recId) == parser.isSet(all))
            return refuse(QStringLiteral("echolon export needs either --rec-id N or --all."));
        if (parser.isSet(recId)) {
            bool ok = false;
            request.recId = parser.value(recId).trimmed().toLongLong(&ok);
            if (!ok)
                return refuse(
                    QStringLiteral("--rec-id needs a whole number, not '%1'.").arg(parser.value(recId)));
        }
        request.events = parser.isSet(events);
        // The event table is written as CSV only: a JSON export holds it already.
        request.format = request.events && !parser.isSet(format) ? QStringLiteral("csv")
                                                                 : parser.value(format).trimmed().toLower();
        if (request.format != QLatin1String("csv") && request.format != QLatin1String("json"))
            return refuse(QStringLiteral("--format needs csv or json, not '%1'.").arg(parser.value(format)));
        if (request.events && request.format != QLatin1String("csv"))
            return refuse(QStringLiteral("--events writes CSV; a JSON export holds the events already."));
        if (parser.isSet(pr)) {
            const std::optional<double> value = store::parseNumber(parser.value(pr));
            if (!value || !store::ShownValues::prInRange(*value))
                return refuse(QStringLiteral("--pr needs a PR from 1 to 3 (such as 1.5), not '%1'.")
                                  .arg(parser.value(pr)));
            request.pr = *value;
        }
        if (parser.isSet(out) && parser.value(out).isEmpty())
            return refuse(QStringLiteral("--out needs a file."));
        request.out = parser.value(out);
        result.action = Action::Export;
    }
    if (copying) {
        result.copyRequest = {parser.value(from).trimmed(), parser.value(to).trimmed()};
        if (result.copyRequest.from.isEmpty() || result.copyRequest.to.isEmpty())
            return refuse(
                QStringLiteral("echolon copy-library needs --from FILE_OR_URL and --to FILE_OR_URL."));
        result.action = Action::CopyLibrary;
    }
    result.noCreate = parser.isSet(noCreate);
    result.platform = parser.value(QStringLiteral("platform"));
    return result;
}

QString CommandLine::version() { return store::programTitle(); }

QString CommandLine::usage() {
    return QStringLiteral("Usage: echolon [options]\n"
                          "       echolon export (--rec-id N | --all) --format csv|json [--pr PR]\n"
                          "                      [--out FILE] [--home DIR]\n"
                          "       echolon export (--rec-id N | --all) --events [--pr PR] [--out FILE]\n"
                          "                      [--home DIR]\n"
                          "       echolon copy-library --from FILE_OR_URL --to FILE_OR_URL\n") +
           store::programTitle() +
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
                          "echolon export writes waveforms of the library the program would open,\n"
                          "without any window and beside a running program (it only reads):\n"
                          "  --rec-id N     the waveform numbered N (the library's \"No\" column)\n"
                          "  --all          every waveform of the library, in table order\n"
                          "  --format csv   one table, UTF-8, '.' decimals, after a comment line naming\n"
                          "                 the PR and the unit (# PR 1.500, distance in m): distance_m\n"
                          "                 (4 decimals) and one column of samples (-128..127) per\n"
                          "                 waveform; a row per distance any of them has a sample at,\n"
                          "                 an empty cell where one has none\n"
                          "  --format json  every stored field, the PR and the unit, the samples, the\n"
                          "                 distance axis and the events: one object for --rec-id, an\n"
                          "                 array for --all\n"
                          "  --events       the events found in each waveform (launch end, echoes, end\n"
                          "                 of line) as CSV, after the PR comment line:\n"
                          "                 rec_id,distance_m,kind,level,polarity\n"
                          "  --pr PR        distances at PR (1 to 3, such as 1.5 or 1,5); without it,\n"
                          "                 at each waveform's stored PR (1.5 where it has none)\n"
                          "  --out FILE     write FILE, whole or not at all; without it, standard output\n"
                          "\n"
                          "echolon copy-library copies a whole waveform library, every waveform and\n"
                          "field as stored, between SQLite files and server databases\n"
                          "(postgresql://user@host:port/dbname; the password from ~/.pgpass or\n"
                          "PGPASSWORD, never in the URL):\n"
                          "  --from FILE_OR_URL  the library copied, only read\n"
                          "  --to FILE_OR_URL    a new file, an empty library or an empty server\n"
                          "                      database; filled whole or not at all\n"
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
                          "3 another copy of the program works on the program folder.\n"
                          "echolon export: 0 written; 1 no such waveform, the library cannot be read\n"
                          "or the file cannot be written; 2 wrong command line.\n"
                          "echolon copy-library: 0 copied; 1 nothing copied (the reason on stderr);\n"
                          "2 wrong command line.\n");
}

} // namespace app
