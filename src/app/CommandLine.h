#pragma once
#include "app/Language.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// The program's command line, read before any window system is touched so
// that --help, --version and mistakes are answered without a display.
struct CommandLine {
    enum class Action { Run, Help, Version, Export, CopyLibrary, Error };

    // `echolon export`: waveforms of the library as CSV or JSON, without windows.
    struct ExportRequest {
        std::optional<qint64> recId; // --rec-id N; unset with --all
        QString format;              // --format: "csv" or "json"
        QString out;                 // --out FILE; empty: standard output
        std::optional<double> pr;    // --pr PR; unset: each waveform's stored PR
        bool events = false;         // --events: the event table as CSV instead of the samples
    };

    // `echolon copy-library`: a whole library from one file or server database to another.
    struct CopyRequest {
        QString from; // --from FILE_OR_URL
        QString to;   // --to FILE_OR_URL
    };

    Action action = Action::Run;
    QString home;                     // --home DIR
    bool noCreate = false;            // --no-create
    QString logWire;                  // --log-wire FILE
    std::optional<Language> language; // --lang ru|en|described; unset: the locale's
    QString platform;                 // Qt's -platform NAME, passed on to Qt
    ExportRequest exportRequest;      // Action::Export
    CopyRequest copyRequest;          // Action::CopyLibrary
    QString error;                    // why the command line was refused (Action::Error)

    // `arguments` include the program name first, as argv does. Qt's own
    // options (-platform, -style, ...) are accepted and left to Qt.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
    static QString version();
};

} // namespace app
