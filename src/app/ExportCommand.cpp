#include "app/ExportCommand.h"

#include "app/Language.h"
#include "exporter/CsvTable.h"
#include "exporter/EventTable.h"
#include "exporter/ExportPr.h"
#include "exporter/JsonExport.h"
#include "exporter/LibraryFile.h"
#include "store/Dataset.h"
#include "store/DiskFull.h"
#include "store/OdbcRegistry.h"
#include "store/ProgramFolder.h"
#include "store/TDataModule1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <memory>

namespace app {

namespace {

enum ExitCode { Written = 0, NotWritten = 1 };

void say(const QString& text) { std::fputs(("echolon: " + text + '\n').toLocal8Bit().constData(), stderr); }

// Standard output, or --out written whole at the end.
class Output {
public:
    QString open(const QString& path) {
        if (path.isEmpty()) {
            auto out = std::make_unique<QFile>();
            if (!out->open(stdout, QIODevice::WriteOnly))
                return ExportCommand::tr("Cannot write to standard output: %1").arg(out->errorString());
            device_ = std::move(out);
            return {};
        }
        auto file = std::make_unique<QSaveFile>(path);
        if (QFileInfo(path).isDir() || !file->open(QIODevice::WriteOnly))
            return ExportCommand::tr("Cannot write %1: %2")
                .arg(QDir::toNativeSeparators(path),
                     QFileInfo(path).isDir() ? ExportCommand::tr("it is a folder") : file->errorString());
        saved_ = file.get();
        path_ = path;
        device_ = std::move(file);
        return {};
    }
    void write(const QByteArray& bytes) {
        if (failed_.isEmpty() && device_->write(bytes) != bytes.size()) failed_ = failure();
    }
    QString finish() {
        if (failed_.isEmpty() && (saved_ ? !saved_->commit() : !static_cast<QFile*>(device_.get())->flush()))
            failed_ = failure();
        return failed_.isEmpty() ? QString() : ExportCommand::tr("Cannot write the export: %1").arg(failed_);
    }
    void abandon() {
        if (saved_) saved_->cancelWriting();
    }

private:
    QString failure() const {
        return store::DiskFull::writeFailure(*static_cast<QFileDevice*>(device_.get()), path_);
    }

    std::unique_ptr<QIODevice> device_;
    QSaveFile* saved_ = nullptr;
    QString path_; // empty for standard output
    QString failed_;
};

// A CSV column needs the samples, the title and the PR only: a whole
// library's fields and blobs are not kept while it is read.
exporter::Waveform columnOf(exporter::Waveform&& w) {
    exporter::Waveform c;
    c.trace = std::move(w.trace);
    for (const char* name : {"REC_ID", "MEMO", "SPEED"})
        c.fields.push_back({QString::fromLatin1(name), store::ColumnKind::Other, w.value(name)});
    return c;
}

} // namespace

int ExportCommand::run(const CommandLine& line, int& argc, char** argv) {
    QCoreApplication app(argc, argv);
    installTranslation(app, line.language.value_or(languageOfEnvironment(
                                [](const char* name) { return qEnvironmentVariable(name); })));
    const CommandLine::ExportRequest& request = line.exportRequest;

    store::FolderHints hints = store::folderHintsOf(QCoreApplication::applicationDirPath());
    hints.option = line.home;
    const store::FolderChoice folder = store::chooseProgramFolder(hints);
    if (!QFileInfo(folder.path).isDir()) {
        say(tr("The program folder %1 does not exist.").arg(QDir::toNativeSeparators(folder.path)));
        return NotWritten;
    }
    store::setProgramFolderOverride(folder.path);
    QString error;
    const std::optional<double> pr = request.pr;
    const QString libraryPath = store::OdbcRegistry().readDbq(store::TDataModule1::kLibraryAlias,
                                                              store::TDataModule1::libraryDefaultPath());
    exporter::LibraryFile library(libraryPath);
    Output output;
    try {
        library.open();
        error = output.open(request.out);
        if (!error.isEmpty()) {
            say(error);
            return NotWritten;
        }
        const bool csv = request.format == QLatin1String("csv");
        // A whole library goes out one JSON object at a time; a CSV table
        // needs every column before its first row, and its comment line every PR.
        const bool streamed = !csv && !request.recId;
        std::vector<exporter::Waveform> kept;
        std::vector<exporter::EventTable::Entry> events;
        int streamedCount = 0;
        if (streamed) output.write("[\n");
        const int found = library.read(request.recId, [&](exporter::Waveform&& w) {
            if (!pr && !exporter::ExportPr::storedOf(w))
                say(tr("%1: it has no usable stored PR; its distances are at PR %2.")
                        .arg(w.title(), exporter::ExportPr::text(exporter::ExportPr::kDefault)));
            if (streamed) {
                output.write((streamedCount++ ? ",\n" : "") +
                             exporter::JsonExport::write({w}, pr, false).trimmed());
                return;
            }
            if (csv && !w.trace.valid())
                say((request.events
                         ? tr("%1: its range cannot be placed on a distance axis; it has no events.")
                         : tr("%1: its range cannot be placed on a distance axis; its column stays empty."))
                        .arg(w.title()));
            if (request.events) events.push_back(exporter::EventTable::of(w, pr));
            else kept.push_back(csv ? columnOf(std::move(w)) : std::move(w));
        });
        if (request.recId && found == 0) {
            output.abandon();
            say(tr("The library %1 holds no waveform with REC_ID %2.")
                    .arg(QDir::toNativeSeparators(libraryPath))
                    .arg(*request.recId));
            return NotWritten;
        }
        if (streamed) output.write("\n]\n");
        else if (request.events) output.write(exporter::EventTable::csv(events));
        else if (csv) output.write(exporter::CsvTable::write(kept, pr));
        else output.write(exporter::JsonExport::write(kept, pr, false));
        error = output.finish();
    } catch (const store::StoreError& e) {
        error = QString::fromUtf8(e.what());
    }
    if (error.isEmpty()) return Written;
    output.abandon();
    say(error);
    return NotWritten;
}

} // namespace app
