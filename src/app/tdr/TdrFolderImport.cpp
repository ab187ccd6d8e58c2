#include "app/tdr/TdrFolderImport.h"

#include "app/tdr/ControlsDisabled.h"
#include "app/tdr/ImportTdrFile.h"
#include "app/tdr/TdrError.h"
#include "app/tdr/TdrFile.h"
#include "app/tdr/UndecodableNames.h"
#include "store/DataModuleHost.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "store/DiskFull.h"
#include "store/Messages.h"
#include "store/OperationJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app::tdr {

TdrFolderImport::TdrFolderImport(store::Dataset& master, store::Dataset& master2,
                                 store::DataModuleHost& mainWindow)
    : master_(master), master2_(master2), mainWindow_(mainWindow) {}

TdrFolderResult TdrFolderImport::importFolderOf(const QString& chosenFile) {
    if (chosenFile.isEmpty()) return {};
    // Unsorted keeps the file system's own listing order; Files without
    // System leaves out pipes and devices that happen to be named *.tdr.
    const QDir folder = QFileInfo(chosenFile).absoluteDir();
    // Names the listing cannot give are said too, never skipped unseen.
    return importFiles(
        folder.absolutePath(),
        folder.entryList({QStringLiteral("*.tdr")}, QDir::Files | QDir::Hidden, QDir::Unsorted),
        undecodableTdrFiles(folder.absolutePath()));
}

TdrFolderResult TdrFolderImport::importFiles(const QString& folderPath, const QStringList& names) {
    return importFiles(folderPath, names, {});
}

TdrFolderResult TdrFolderImport::importFiles(const QString& folderPath, const QStringList& names,
                                             const QStringList& unlisted) {
    TdrFolderResult result;
    QString diskFull;
    QString lost;
    {
        ControlsDisabled quiet(master_);
        const QDir folder(folderPath);
        store::JournalEntry entry;
        entry.kind = store::JournalEntry::Kind::Import;
        entry.source = folder.absolutePath();
        entry.library = master2_.database().path();
        entry.items = names;
        store::OperationJournal journal(entry);
        for (int i = 0; i < names.size(); ++i) {
            const QString& name = names[i];
            try {
                const TdrFile file = TdrFile::read(folder.filePath(name));
                journal.storing(name);
                ImportTdrFile(master2_, file);
                ++result.imported;
            } catch (const TdrError& e) {
                result.passedOver << QStringLiteral("%1: %2").arg(name, e.text());
            } catch (const store::DiskFull& e) {
                result.notStored = names.mid(i);
                diskFull = e.reason();
                break;
            } catch (const store::StoreError&) {
                // The server went away: what was stored stays, and the next
                // start offers the rest, as after a crash.
                lost = master2_.database().lostReason();
                if (lost.isEmpty()) throw;
                result.notStored = names.mid(i);
                journal.keep();
                break;
            }
            journal.stored(name);
        }
        // Without the server the views keep what they show; the reconnect lists the library again.
        if (lost.isEmpty()) {
            mainWindow_.applyDeviceFilter();
            quiet.done();
        }
    }
    if (!lost.isEmpty())
        store::messages().warning(lostServerMessage(result.imported, result.notStored, lost));
    else if (!result.notStored.isEmpty())
        store::messages().warning(diskFullMessage(result.notStored, int(names.size()), diskFull));
    result.passedOver << unlisted;
    // The import ends with one line saying what it did; the reasons for the files passed over follow it.
    const QString line = summaryLine(result, QDir::toNativeSeparators(folderPath));
    if (!result.passedOver.isEmpty())
        store::messages().warning(line + QLatin1Char('\n') + passedOverMessage(result.passedOver));
    else if (lost.isEmpty() && result.notStored.isEmpty()) store::messages().information(line);
    return result;
}

QString TdrFolderImport::summaryLine(const TdrFolderResult& result, const QString& folder) {
    const QString imported =
        result.imported == 1
            ? QCoreApplication::translate("TdrFolderImport", "1 waveform imported from %1").arg(folder)
            : QCoreApplication::translate("TdrFolderImport", "%1 waveforms imported from %2")
                  .arg(result.imported)
                  .arg(folder);
    if (result.passedOver.isEmpty()) return imported + QLatin1Char('.');
    QStringList names;
    for (const QString& entry : result.passedOver) names << entry.section(QStringLiteral(": "), 0, 0);
    const QString listed = store::namesInLine(names, kNamedInLine);
    const QString skipped =
        names.size() == 1 ? QCoreApplication::translate("TdrFolderImport", "1 file skipped: %1").arg(listed)
                          : QCoreApplication::translate("TdrFolderImport", "%1 files skipped: %2")
                                .arg(names.size())
                                .arg(listed);
    return QStringLiteral("%1 (%2).").arg(imported, skipped);
}

QString TdrFolderImport::diskFullMessage(const QStringList& notStored, int total, const QString& reason) {
    return QCoreApplication::translate("TdrFolderImport", "%1 of %2 waveform files were not stored (%3): %4.")
        .arg(notStored.size())
        .arg(total)
        .arg(store::namesInLine(notStored, kNamedInLine), reason);
}

QString TdrFolderImport::lostServerMessage(int stored, const QStringList& notStored, const QString& lost) {
    return QCoreApplication::translate("TdrFolderImport",
                                       "The import stopped: %1 waveform files were stored, %2 were not "
                                       "(%3); these are offered for import at the next start.\n%4")
        .arg(stored)
        .arg(notStored.size())
        .arg(store::namesInLine(notStored, kNamedInLine), lost);
}

QString TdrFolderImport::passedOverMessage(const QStringList& passedOver) {
    QString text = QCoreApplication::translate("TdrFolderImport", "These waveform files were not imported:");
    const int listed = std::min<int>(passedOver.size(), kListedFiles);
    for (int i = 0; i < listed; ++i) text += QLatin1Char('\n') + passedOver[i];
    if (passedOver.size() > listed)
        text += QCoreApplication::translate("TdrFolderImport", "\n... and %1 more")
                    .arg(passedOver.size() - listed);
    return text;
}

} // namespace app::tdr
