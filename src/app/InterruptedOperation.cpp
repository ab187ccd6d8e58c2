#include "app/InterruptedOperation.h"

#include "app/tdr/ImportTdrFile.h"
#include "app/tdr/TdrError.h"
#include "app/tdr/TdrFile.h"
#include "app/tdr/TdrFolderImport.h"
#include "store/Messages.h"
#include "store/ServerAddress.h"
#include "store/TDataModule1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace app {

namespace {
// A file whose storing was cut short may have been committed: it is then the
// library's last record.
bool alreadyStored(store::TDataModule1& dm, const QString& folder, const QString& name) {
    if (name.isEmpty()) return false;
    try {
        return tdr::LastRecordHolds(dm.t_master2, tdr::TdrFile::read(QDir(folder).filePath(name)));
    } catch (const tdr::TdrError&) {
        return false;
    }
}
} // namespace

void InterruptedOperation::check(store::TDataModule1& dm, store::DataModuleHost& mainWindow,
                                 const QString& journalPath) {
    QString problem;
    std::optional<store::JournalEntry> entry = store::OperationJournal::load(journalPath, &problem);
    if (!entry && problem.isEmpty()) return;
    // An import into another library (its server was lost, and the local one
    // is open meanwhile) waits until that library is open at a start again.
    if (entry && entry->kind == store::JournalEntry::Kind::Import && !entry->library.isEmpty() &&
        entry->library != dm.Database1.path()) {
        const QString library = store::ServerAddress::isServerUrl(entry->library)
                                    ? store::ServerAddress::describe(entry->library)
                                    : QDir::toNativeSeparators(entry->library);
        store::messages().warning(QCoreApplication::translate(
                                      "InterruptedOperation",
                                      "The last import of waveform files from %1 into %2 was interrupted: "
                                      "%3 files were not imported. They are offered at a start with %2 open.")
                                      .arg(QDir::toNativeSeparators(entry->source), library)
                                      .arg(entry->missing().size()));
        return;
    }
    // Removed before anything else: finishing the import starts a journal of its own.
    QFile::remove(journalPath);
    if (!entry) {
        store::messages().warning(
            QCoreApplication::translate("InterruptedOperation",
                                        "The record of an interrupted operation (%1) cannot be read and was "
                                        "removed: %2.")
                .arg(QDir::toNativeSeparators(journalPath), problem));
        return;
    }
    if (entry->kind == store::JournalEntry::Kind::Import && alreadyStored(dm, entry->source, entry->storing))
        entry->done.insert(entry->storing);
    const QStringList missing = entry->missing();
    if (missing.isEmpty()) return;
    const QString count = QStringLiteral("%1").arg(missing.size());
    const QString total = QStringLiteral("%1").arg(entry->items.size());

    if (entry->kind == store::JournalEntry::Kind::Read) {
        store::messages().warning(
            QCoreApplication::translate(
                "InterruptedOperation",
                "The last read of waveforms from the instrument was interrupted: %1 of %2 banks were not "
                "read (%3). Mark them in the exchange window and read them again.")
                .arg(count, total, store::namesInLine(missing, kNamed)));
        return;
    }
    const QString folder = QDir::toNativeSeparators(entry->source);
    if (!store::messages().confirm(
            QCoreApplication::translate("InterruptedOperation",
                                        "The last import of waveform files from %1 was interrupted: %2 of %3 "
                                        "files were not imported (%4).\nImport these files now?")
                .arg(folder, count, total, store::namesInLine(missing, kNamed))))
        return;
    tdr::TdrFolderImport import(dm.t_master, dm.t_master2, mainWindow);
    import.importFiles(entry->source, missing);
}

} // namespace app
